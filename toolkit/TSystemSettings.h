// SPDX-License-Identifier: MIT
#pragma once
// Machine-wide settings that an administrator or an installed program writes and every user
// reads: INI files "<Organization>/<Application>.ini" in the XDG configuration folders
// (XDG_CONFIG_DIRS, "/etc/xdg" when unset; the first folder that has the value wins).

#include <QString>

#include "gravilo_toolkit_export.h"

class GRAVILO_TOOLKIT_INNER_EXPORT TSystemSettings {
public:
    // The string value Key of section Group, or the empty text when no file has it.
    static QString ReadString(const QString& Organization, const QString& Application, const QString& Group,
                              const QString& Key);
};
