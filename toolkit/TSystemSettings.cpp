// SPDX-License-Identifier: MIT
#include "TSystemSettings.h"

#include <QFileInfo>
#include <QSettings>

QString TSystemSettings::ReadString(const QString& Organization, const QString& Application,
                                    const QString& Group, const QString& Key) {
    QString folders = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (folders.isEmpty()) folders = QStringLiteral("/etc/xdg");
    const QString key = Group + QLatin1Char('/') + Key;
    for (const QString& folder : folders.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString path =
            folder + QLatin1Char('/') + Organization + QLatin1Char('/') + Application + QLatin1String(".ini");
        if (!QFileInfo(path).isReadable()) continue;
        const QSettings settings(path, QSettings::IniFormat);
        if (settings.contains(key)) return settings.value(key).toString();
    }
    return {};
}
