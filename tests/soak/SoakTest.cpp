// SPDX-License-Identifier: MIT
// The headless program through a million random steps, as a user never tires of making them:
// drags of the rope, releases, ticks of the fall, mass and body changes, resets. The program ends
// the script normally, and the memory it holds beyond its display list stays where it was once it
// has settled. Under the sanitizers, its own leak check at the end fails the run if anything leaked.
//
// GRAVILO_SOAK_STEPS sets another number of steps (for a quick look while working on it).

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "ProcessWaits.h"
#include "TDrawItem.h"

namespace {

constexpr int StepsPerCheck = 10000;

// Random steps of a restless user: the button held for a while and dragged around the scene (and
// now and then far outside it), released anywhere, the fall ticked on, the mass and the body
// changed, the scene reset.
class TSteps {
public:
    explicit TSteps(unsigned Seed) : FRandom(Seed) {}

    QByteArray Next() {
        const int roll = Pick(0, 99);
        if (FDown && roll < 55) return Mouse("move");
        if (roll < 8) return FDown ? Release() : Press();
        if (roll < 20) return Mouse("move");
        if (roll < 56)
            return roll < 51 ? QByteArray("tick\n") : "tick " + QByteArray::number(Pick(0, 40)) + '\n';
        if (roll < 76) return "mass " + QByteArray::number(Pick(-5, 110)) + '\n';
        if (roll < 96) return "body " + QByteArray::number(Pick(0, 3)) + '\n';
        if (roll < 97) return QByteArray("texts\n");  // "print" marks the end of a block
        return QByteArray("reset\n");
    }

private:
    int Pick(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(FRandom); }
    QByteArray Mouse(const char* What) {
        // mostly inside the scene chart, sometimes well beyond its edges
        const bool far = Pick(0, 19) == 0;
        const int x = far ? Pick(-5000, 5000) : Pick(-20, 420);
        const int y = far ? Pick(-5000, 5000) : Pick(-20, 620);
        return QByteArray(What) + ' ' + QByteArray::number(x) + ' ' + QByteArray::number(y) + '\n';
    }
    QByteArray Press() {
        FDown = true;
        return Mouse("down");
    }
    QByteArray Release() {
        FDown = false;
        return Mouse("up");
    }

    std::mt19937 FRandom;
    bool FDown = false;
};

// The number after "items=" in a state line.
qint64 ItemsOf(const QByteArray& StateLine) {
    const qsizetype at = StateLine.indexOf("items=");
    return at < 0 ? -1 : StateLine.mid(at + 6).trimmed().toLongLong();
}

qint64 Median(std::vector<qint64> Values) {
    std::sort(Values.begin(), Values.end());
    return Values[Values.size() / 2];
}

}  // namespace

TEST(Soak, AMillionRandomStepsEndWellAndHoldNoMoreMemory) {
    const int steps = qEnvironmentVariableIsSet("GRAVILO_SOAK_STEPS")
                          ? qEnvironmentVariableIntValue("GRAVILO_SOAK_STEPS")
                          : 1000000;
    ASSERT_GE(steps, 10 * StepsPerCheck);
    QTemporaryDir world;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GRAVILO_ENDPOINT_DIR"), world.filePath(QStringLiteral("endpoints")));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), world.filePath(QStringLiteral("config")));
    // Under AddressSanitizer resident memory says little: its allocator spreads freed blocks over
    // new pages and their shadow as the timing of the reads decides (1.5 MB in 250 000 steps on a
    // quiet machine, 9 MB on a loaded one). There the run is for the sanitizers' own reports and
    // leak check at the end; growth is the plain run's to find.
    const bool sanitized = !environment.value(QStringLiteral("ASAN_OPTIONS")).isEmpty();
    const qint64 allowanceKiB = 4 * 1024;

    QProcess gravilo;
    gravilo.setProcessEnvironment(environment);
    gravilo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    gravilo.start(QStringLiteral(GRAVILO_PROGRAM), {QStringLiteral("--script"), QStringLiteral("-")});
    ASSERT_TRUE(gravilo.waitForStarted(10000));

    TSteps user(20261208);
    // resident memory beyond the display list after each block of steps
    std::vector<qint64> beyond;
    qint64 mostItems = 0;
    for (int done = 0; done < steps; done += StepsPerCheck) {
        QByteArray block;
        for (int i = 0; i < StepsPerCheck; ++i) block += user.Next();
        // the state line answers once every step before it has run
        block += "print\n";
        gravilo.write(block);
        QByteArray state;
        while (!state.startsWith("mass=")) {
            if (gravilo.canReadLine())
                state = gravilo.readLine();
            else if (!gravilo.waitForReadyRead(120000))
                break;
        }
        ASSERT_TRUE(state.startsWith("mass=")) << "no answer after " << done + StepsPerCheck << " steps";
        const qint64 items = ItemsOf(state);
        ASSERT_GE(items, 0);
        mostItems = std::max(mostItems, items);
        // the display list may hold twice its items while it grows
        const qint64 listKiB = 2 * items * qint64(sizeof(TDrawItem)) / 1024;
        beyond.push_back(ResidentKiB(gravilo.processId()) - listKiB);
    }
    gravilo.closeWriteChannel();
    ASSERT_TRUE(gravilo.waitForFinished(120000));
    EXPECT_EQ(gravilo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(gravilo.exitCode(), 0);

    // settled after the first tenth; the last tenth holds no more than that, give or take 4 MiB
    const qsizetype tenth = qsizetype(beyond.size()) / 10;
    const qint64 settled = Median({beyond.begin() + tenth, beyond.begin() + 2 * tenth});
    const qint64 last = Median({beyond.end() - tenth, beyond.end()});
    if (!sanitized) {
        EXPECT_LT(last - settled, allowanceKiB)
            << "settled at " << settled << " KiB, ends at " << last << " KiB";
    }
    std::printf(
        "soak: %d steps; beyond the display list %lld KiB once settled, %lld KiB at the end; "
        "at most %lld items\n",
        steps, static_cast<long long>(settled), static_cast<long long>(last),
        static_cast<long long>(mostItems));
}
