// SPDX-License-Identifier: MIT
#include "TProgramLauncher.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>

#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

TProgramLauncher::TProgramLauncher() {
    FCollector.setInterval(500);
    QObject::connect(&FCollector, &QTimer::timeout, [this] { Collect(); });
}

qint64 TProgramLauncher::Start(const QString& Program, const QString& Parameters) {
    if (Program.isEmpty()) return 0;
    std::vector<QByteArray> words{QFile::encodeName(Program)};
    for (const QString& word : QProcess::splitCommand(Parameters)) words.push_back(word.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return 0;
    FChildren[pid] = 0;
    if (!FCollector.isActive()) FCollector.start();
    return pid;
}

void TProgramLauncher::Collect() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (auto it = FChildren.begin(); it != FChildren.end();) {
        if (it->second == 0) {
            siginfo_t info{};
            // WNOWAIT: look, but leave the ended process to be waited for
            if (::waitid(P_PID, id_t(it->first), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0)
                it->second = now;
            ++it;
        } else if (now - it->second >= CollectDelayMs) {
            ::waitpid(pid_t(it->first), nullptr, WNOHANG);
            it = FChildren.erase(it);
        } else {
            ++it;
        }
    }
    if (FChildren.empty()) FCollector.stop();
}
