// SPDX-License-Identifier: MIT
#include "XDisplay.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtEndian>
#include <cstring>

#include "ProgramRun.h"

namespace e2e {

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;

// fields of an XWD file's header, each a big-endian 32-bit number
enum TXwdField {
    xwHeaderSize = 0,
    xwWidth = 4,
    xwHeight = 5,
    xwByteOrder = 7,
    xwBitsPerPixel = 11,
    xwBytesPerLine = 12,
    xwColors = 19,
    xwFieldCount = 25
};

}  // namespace

QString TXDisplay::MissingTools() {
    QStringList missing;
    for (const char* tool : {"Xvfb", "xdotool"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) missing << QLatin1String(tool);
    return missing.join(QStringLiteral(", "));
}

TXDisplay::TXDisplay() {
    if (!MissingTools().isEmpty()) return;
    // display numbers far from the usual ones, spread by process so parallel tests rarely meet
    const int base = 200 + int(QCoreApplication::applicationPid() % 500);
    for (int attempt = 0; attempt < 20 && !Running(); ++attempt) StartOn(base + attempt * 37);
}

TXDisplay::~TXDisplay() {
    if (!FServer) return;
    FServer->terminate();
    if (!FServer->waitForFinished(3000)) {
        FServer->kill();
        FServer->waitForFinished(3000);
    }
}

bool TXDisplay::StartOn(int number) {
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
    if (QFile::exists(socket) || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))) return false;
    FName = QStringLiteral(":%1").arg(number);
    FServer = std::make_unique<QProcess>();
    FServer->setProcessChannelMode(QProcess::MergedChannels);
    FServer->start(
        QStringLiteral("Xvfb"),
        {FName, QStringLiteral("-screen"), QStringLiteral("0"),
         QStringLiteral("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight), QStringLiteral("-fbdir"), FDir.path(),
         QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!FServer->waitForStarted(5000)) return false;
    const bool ready = WaitUntil(
        [&] {
            return FServer->state() != QProcess::Running ||
                   !XDo({QStringLiteral("getdisplaygeometry")}).isEmpty();
        },
        15000);
    if (ready && Running()) return true;
    FServer->kill();
    FServer->waitForFinished(3000);
    return false;
}

void TXDisplay::Prepare(QProcessEnvironment& environment) const {
    environment.insert(QStringLiteral("DISPLAY"), FName);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const char* variable :
         {"WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
          "GNOME_DESKTOP_SESSION_ID", "BROWSER", "DEFAULT_BROWSER", "XAUTHORITY"})
        environment.remove(QLatin1String(variable));
}

QByteArray TXDisplay::XDo(const QStringList& arguments) const {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), FName);
    environment.remove(QStringLiteral("XAUTHORITY"));
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(10000)) {
        tool.kill();
        tool.waitForFinished(3000);
        return {};
    }
    return tool.exitCode() == 0 ? tool.readAllStandardOutput() : QByteArray();
}

QList<quint64> TXDisplay::Windows(const QString& namePattern) const {
    QList<quint64> windows;
    const QByteArray out = XDo(
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), namePattern});
    for (const QByteArray& line : out.split('\n'))
        if (!line.trimmed().isEmpty()) windows << line.trimmed().toULongLong();
    return windows;
}

quint64 TXDisplay::WaitForWindow(const QString& namePattern, int timeoutMs) const {
    quint64 found = 0;
    WaitUntil(
        [&] {
            const QList<quint64> windows = Windows(namePattern);
            found = windows.isEmpty() ? 0 : windows.first();
            return found != 0;
        },
        timeoutMs);
    return found;
}

bool TXDisplay::WaitUntilGone(const QString& namePattern, int timeoutMs) const {
    return WaitUntil([&] { return Windows(namePattern).isEmpty(); }, timeoutMs);
}

QRect TXDisplay::Geometry(quint64 window) const {
    const QByteArray out =
        XDo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
    QRect r;
    for (const QByteArray& line : out.split('\n')) {
        const int value = line.mid(line.indexOf('=') + 1).toInt();
        if (line.startsWith("X=")) r.moveLeft(value);
        if (line.startsWith("Y=")) r.moveTop(value);
        if (line.startsWith("WIDTH=")) r.setWidth(value);
        if (line.startsWith("HEIGHT=")) r.setHeight(value);
    }
    return r;
}

QPoint TXDisplay::Pointer() const {
    const QByteArray out = XDo({QStringLiteral("getmouselocation"), QStringLiteral("--shell")});
    QPoint p(-1, -1);
    for (const QByteArray& line : out.split('\n')) {
        if (line.startsWith("X=")) p.setX(line.mid(2).toInt());
        if (line.startsWith("Y=")) p.setY(line.mid(2).toInt());
    }
    return p;
}

void TXDisplay::MoveTo(QPoint p) const {
    // a synchronous move to where the pointer already is would wait for a motion that never comes
    if (Pointer() == p) return;
    XDo({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(p.x()),
         QString::number(p.y())});
}

void TXDisplay::Press() const {
    XDo({QStringLiteral("mousedown"), QStringLiteral("1")});
}

void TXDisplay::Release() const {
    XDo({QStringLiteral("mouseup"), QStringLiteral("1")});
}

void TXDisplay::Click(QPoint p) const {
    MoveTo(p);
    XDo({QStringLiteral("click"), QStringLiteral("1")});
}

void TXDisplay::Drag(QPoint from, QPoint to, int steps) const {
    MoveTo(from);
    Press();
    for (int i = 1; i <= steps; ++i) MoveTo(from + (to - from) * i / steps);
    Release();
}

void TXDisplay::ParkPointer() const {
    MoveTo(QPoint(ScreenWidth - 1, ScreenHeight - 1));
}

QImage TXDisplay::Screen() const {
    QFile file(FDir.filePath(QStringLiteral("Xvfb_screen0")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < xwFieldCount * 4) return {};
    const auto field = [&](int index) { return qFromBigEndian<quint32>(bytes.constData() + index * 4); };
    const qsizetype width = field(xwWidth), height = field(xwHeight), bytesPerLine = field(xwBytesPerLine);
    const qsizetype start = field(xwHeaderSize) + qsizetype(field(xwColors)) * 12;
    // a 24-bit screen keeps its pixels in 32 bits, least significant byte first: Qt's RGB32
    if (field(xwBitsPerPixel) != 32 || field(xwByteOrder) != 0 ||
        start + bytesPerLine * height > bytes.size())
        return {};
    QImage screen(int(width), int(height), QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        std::memcpy(screen.scanLine(y), bytes.constData() + start + y * bytesPerLine, size_t(width) * 4);
    return screen;
}

}  // namespace e2e
