// SPDX-License-Identifier: MIT
#include "RememberedSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 MostBytes = 64 * 1024;  // a few hundred bytes in use

// A value as the file has it: plain, or quoted with \\, \", \n and \t when it must be.
QString Unquoted(const QString& text) {
    if (text.size() < 2 || !text.startsWith(QLatin1Char('"')) || !text.endsWith(QLatin1Char('"')))
        return text;
    QString value;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 2 < text.size()) {
            const QChar next = text[++i];
            c = next == QLatin1Char('n')   ? QChar(QLatin1Char('\n'))
                : next == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                                           : next;
        }
        value += c;
    }
    return value;
}

QString Quoted(const QString& value) {
    const bool plain = !value.isEmpty() && value.trimmed() == value && !value.startsWith(QLatin1Char('@')) &&
                       !value.startsWith(QLatin1Char('"')) &&
                       std::none_of(value.begin(), value.end(), [](QChar c) {
                           return c == QLatin1Char('\\') || c == QLatin1Char('\n') ||
                                  c == QLatin1Char('\t') || c == QLatin1Char(';') || c == QLatin1Char('=');
                       });
    if (plain) return value;
    QString text = QStringLiteral("\"");
    for (QChar c : value) {
        if (c == QLatin1Char('\n'))
            text += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            text += QStringLiteral("\\t");
        else if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            text += QLatin1Char('\\') + c;
        else
            text += c;
    }
    return text + QLatin1Char('"');
}

// Groups and keys of plain texts; a typed value of Qt's (@Variant, @ByteArray, ...) is not
// Gravilo's and is left out, as is anything beyond the size Gravilo writes.
bool ReadPlain(QIODevice& device, QSettings::SettingsMap& map) {
    const QByteArray bytes = device.read(MostBytes + 1);
    if (bytes.size() > MostBytes) return false;
    QString group;
    for (const QString& raw : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2).trimmed();
            if (group == QLatin1String("General")) group.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0) continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (value.startsWith(QLatin1Char('@'))) continue;
        map.insert(group.isEmpty() ? key : group + QLatin1Char('/') + key, Unquoted(value));
    }
    return true;
}

bool WritePlain(QIODevice& device, const QSettings::SettingsMap& map) {
    QString text, group;
    bool first = true;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
        const QString keyGroup = slash < 0 ? QStringLiteral("General") : it.key().left(slash);
        if (first || keyGroup != group) {
            if (!first) text += QLatin1Char('\n');
            text += QLatin1Char('[') + keyGroup + QStringLiteral("]\n");
            group = keyGroup;
            first = false;
        }
        text +=
            it.key().mid(slash + 1) + QLatin1Char('=') + Quoted(it.value().toString()) + QLatin1Char('\n');
    }
    return device.write(text.toUtf8()) >= 0;
}

QSettings::Format PlainFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), ReadPlain, WritePlain);
    return format;
}

}  // namespace

namespace RememberedSettings {

QString FileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/gravilo/gravilo.conf");
}

std::unique_ptr<QSettings> Open(const QString& fileName, QString& reason) {
    struct stat st {};
    const QByteArray native = QFile::encodeName(fileName);
    if (::lstat(native.constData(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            reason = QStringLiteral("%1 is a symbolic link").arg(fileName);
            return nullptr;
        }
        if (!S_ISREG(st.st_mode)) {
            reason = QStringLiteral("%1 is not a regular file").arg(fileName);
            return nullptr;
        }
        if (st.st_uid != ::geteuid()) {
            reason = QStringLiteral("%1 belongs to another user").arg(fileName);
            return nullptr;
        }
        if (st.st_size > MostBytes) {
            reason = QStringLiteral("%1 is larger than Gravilo's settings can be").arg(fileName);
            return nullptr;
        }
    }
    // a lock that a live program holds would make every save wait for ever; a stale one goes
    QLockFile lock(fileName + QStringLiteral(".lock"));
    QDir().mkpath(QFileInfo(fileName).path());
    if (!lock.tryLock(200)) {
        reason = QStringLiteral("another program holds %1.lock").arg(fileName);
        return nullptr;
    }
    lock.unlock();
    // the user's own file reads through to the administrator's (XDG_CONFIG_DIRS) for what it lacks
    auto settings = fileName == FileName()
                        ? std::make_unique<QSettings>(PlainFormat(), QSettings::UserScope,
                                                      QStringLiteral("gravilo"), QStringLiteral("gravilo"))
                        : std::make_unique<QSettings>(fileName, PlainFormat());
    if (settings->status() != QSettings::NoError) {
        reason = QStringLiteral("%1 cannot be read").arg(fileName);
        return nullptr;
    }
    return settings;
}

bool Save(QSettings& settings, QString& reason) {
    settings.sync();
    if (settings.status() == QSettings::NoError) return true;
    reason = QStringLiteral("%1 cannot be written").arg(settings.fileName());
    return false;
}

}  // namespace RememberedSettings
