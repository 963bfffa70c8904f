// SPDX-License-Identifier: MIT
// Gravilo's own options are picked out of the command line; everything else stays, in its order,
// for Qt and for the host link's parameter list.

#include <gtest/gtest.h>

#include <QStringList>
#include <vector>

#include "CommandLine.h"

namespace {

struct TArgs {
    explicit TArgs(std::vector<std::string> words) : Words(std::move(words)) {
        for (std::string& w : Words) Pointers.push_back(w.data());
    }
    TCommandLine Parse() { return TCommandLine::Parse(int(Pointers.size()), Pointers.data()); }
    std::vector<std::string> Words;
    std::vector<char*> Pointers;
};

QStringList Remaining(TCommandLine& line) {
    QStringList rest;
    for (int i = 0; i < line.QtArgc(); ++i) rest << QString::fromLocal8Bit(line.QtArgv()[i]);
    return rest;
}

}  // namespace

TEST(CommandLine, OwnOptionsAreTakenOutAndTheRestStays) {
    TArgs args({"gravilo", "/serverhandle=1A2B", "--script", "scene.txt", "-platform", "xcb",
                "--language=" GRAVILO_LANG_DIR "/gravilo_de.itl", "extra"});
    TCommandLine line = args.Parse();
    EXPECT_TRUE(line.Error().isEmpty()) << qPrintable(line.Error());
    EXPECT_EQ(line.Mode(), TCommandLine::cmScript);
    EXPECT_TRUE(line.Headless());
    EXPECT_EQ(line.ScriptFile(), QStringLiteral("scene.txt"));
    EXPECT_EQ(line.LanguageFile(), QStringLiteral(GRAVILO_LANG_DIR "/gravilo_de.itl"));
    EXPECT_EQ(Remaining(line), QStringList({"gravilo", "/serverhandle=1A2B", "-platform", "xcb", "extra"}));
    EXPECT_EQ(line.QtArgv()[line.QtArgc()], nullptr);

    TArgs plain({"gravilo"});
    TCommandLine window = plain.Parse();
    EXPECT_EQ(window.Mode(), TCommandLine::cmWindow);
    EXPECT_FALSE(window.Headless());
    EXPECT_TRUE(window.LanguageFile().isEmpty());
    EXPECT_EQ(Remaining(window), QStringList({"gravilo"}));
}

TEST(CommandLine, LookAlikesAndTheScriptFromStandardInput) {
    TArgs args({"gravilo", "--scripted", "--screenshot=pic.png", "--languages", "-"});
    TCommandLine line = args.Parse();
    EXPECT_EQ(line.Mode(), TCommandLine::cmScreenshot);
    EXPECT_EQ(line.ScreenshotFile(), QStringLiteral("pic.png"));
    EXPECT_EQ(Remaining(line), QStringList({"gravilo", "--scripted", "--languages", "-"}));

    TArgs stdinScript({"gravilo", "--script", "-"});
    TCommandLine fromInput = stdinScript.Parse();
    EXPECT_EQ(fromInput.ScriptFile(), QStringLiteral("-"));
}

TEST(CommandLine, ErrorsNameWhatIsWrong) {
    const std::vector<std::pair<std::vector<std::string>, QString>> cases = {
        {{"gravilo", "--script"}, "--script needs a file name"},
        {{"gravilo", "--language="}, "--language needs a file name"},
        {{"gravilo", "--script", "a", "--screenshot", "b"},
         "--screenshot and --script cannot be used together"},
    };
    for (const auto& [words, message] : cases) {
        TArgs args(words);
        EXPECT_EQ(args.Parse().Error(), message);
    }
    TArgs unreadable({"gravilo", "--language", "/nonexistent/de.itl"});
    EXPECT_TRUE(unreadable.Parse().Error().startsWith(
        QStringLiteral("cannot read the language file /nonexistent/de.itl: ")));
}

TEST(CommandLine, TheHeadlessModesChooseTheOffscreenPlatformUnlessOneWasChosen) {
    const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("QT_QPA_PLATFORM");
    TArgs window({"gravilo"});
    window.Parse().ChooseHeadlessPlatform();
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
    TArgs chosen({"gravilo", "--screenshot", "a.png", "-platform", "minimal"});
    chosen.Parse().ChooseHeadlessPlatform();
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
    TArgs shot({"gravilo", "--screenshot", "a.png"});
    shot.Parse().ChooseHeadlessPlatform();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));
    qputenv("QT_QPA_PLATFORM", "xcb");
    shot.Parse().ChooseHeadlessPlatform();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb"));
    if (saved.isNull())
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", saved);
}
