// SPDX-License-Identifier: MIT
#pragma once
// The settings a user's Gravilo remembers from one start to the next, in
// $XDG_CONFIG_HOME/gravilo/gravilo.conf. The file is used only when it is a regular file of the
// user's own (or not there yet), of a sane size, and no live program holds its lock; it is read
// as the plain texts Gravilo writes (a group, a key, a text), never as Qt's typed values. When it
// cannot be used, Gravilo goes on without remembering and says why once.

#include <QSettings>
#include <QString>
#include <memory>

namespace RememberedSettings {

QString FileName();
// The settings of that file, or nullptr with the reason when they cannot be used safely. The
// user's own file (FileName()) reads through to the administrator's in XDG_CONFIG_DIRS
// (/etc/xdg/gravilo/gravilo.conf) for a key it lacks.
std::unique_ptr<QSettings> Open(const QString& fileName, QString& reason);
// Writes what changed; false with the reason when it could not be saved.
bool Save(QSettings& settings, QString& reason);

}  // namespace RememberedSettings
