// SPDX-License-Identifier: MIT
#pragma once
// Information and warning message boxes with an OK button. Tests install a handler of their own
// so that no modal box ever waits for a person.

#include <QString>
#include <functional>

#include "gravilo_toolkit_export.h"

using TInformationHandler = std::function<void(const QString& text)>;

// Shows the text, as plain text, in a modal information box (or hands it to the installed handler),
// titled with the program's name or with the title given. The window that had the keyboard gets
// it back when the box closes.
GRAVILO_TOOLKIT_INNER_EXPORT void ShowInformation(const QString& text, const QString& title = {});

// Shows the text in a modal warning box (or hands it to the installed handler).
GRAVILO_TOOLKIT_INNER_EXPORT void ShowWarning(const QString& text);

// Installs a handler in place of the box (an empty one restores the box); returns the previous one.
GRAVILO_TOOLKIT_INNER_EXPORT TInformationHandler SetInformationHandler(TInformationHandler handler);
