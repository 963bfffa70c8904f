// SPDX-License-Identifier: MIT
#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <cmath>

namespace e2e {

QString GraviloProgram() {
    return QStringLiteral(GRAVILO_PROGRAM);
}

QString ShippedLanguage(const char* file) {
    return QStringLiteral(GRAVILO_LANG_DIR "/") + QLatin1String(file);
}

QStringList TRunResult::OutLines() const {
    return QString::fromUtf8(Out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TProgramWorld::TProgramWorld() {
    QDir(FDir.path()).mkpath(QStringLiteral("config"));
    QDir(FDir.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(Path(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    FEnvironment = QProcessEnvironment::systemEnvironment();
    FEnvironment.insert(QStringLiteral("GRAVILO_ENDPOINT_DIR"), EndpointDir());
    FEnvironment.insert(QStringLiteral("XDG_CONFIG_DIRS"), Path(QStringLiteral("config")));
    // what a user's Gravilo remembers is not the tests' to read or change
    FEnvironment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path(QStringLiteral("home-config")));
    FEnvironment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path(QStringLiteral("runtime")));
    FEnvironment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
}

TProgramWorld::~TProgramWorld() {
    for (const auto& process : FProcesses) {
        if (process->state() == QProcess::NotRunning) continue;
        process->kill();
        process->waitForFinished(5000);
    }
}

QProcess* TProgramWorld::Start(const QString& program, const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(FEnvironment);
    if (FChildSetup) process->setChildProcessModifier(FChildSetup);
    process->start(program, arguments);
    process->waitForStarted(10000);
    FProcesses.push_back(std::move(process));
    return FProcesses.back().get();
}

TRunResult TProgramWorld::Run(const QString& program, const QStringList& arguments, const QByteArray& input,
                              int timeoutMs) {
    QProcess* process = Start(program, arguments);
    process->write(input);
    process->closeWriteChannel();
    TRunResult result;
    result.Ended = process->waitForFinished(timeoutMs);
    if (!result.Ended) {
        process->kill();
        process->waitForFinished(5000);
    }
    result.Status = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    result.Out = process->readAllStandardOutput();
    result.Err = process->readAllStandardError();
    return result;
}

QString TProgramWorld::WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    return file.fileName();
}

QPoint ScenePixel(double x, double y) {
    // the scene chart is 326 x 410 with margins 50 left, 16 right, 20 top and 40 bottom; its
    // layer 1 runs from -100 to 100 in x and from 0 to 620 in y
    const double left = 50, right = 326 - 16, top = 20, bottom = 410 - 40;
    const double px = left + (x + 100) / 200 * (right - left);
    const double py = bottom - y / 620 * (bottom - top);
    return QPoint(int(std::lround(px)), int(std::lround(py)));
}

}  // namespace e2e
