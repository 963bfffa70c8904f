// SPDX-License-Identifier: MIT
#pragma once
// Docking of child controls to the edges of their container, as the forms lay themselves out:
// top-docked controls first, then bottom, left, right, and the client control takes the rest.
// Within each group the controls keep their creation order.

#include <QWidget>

#include "Enums.h"
#include "gravilo_toolkit_export.h"

GRAVILO_TOOLKIT_EXPORT void SetControlAlign(QWidget* control, TAlign align);
GRAVILO_TOOLKIT_EXPORT TAlign ControlAlign(const QWidget* control);
// Places every docked child of the container; undocked children keep their geometry.
GRAVILO_TOOLKIT_EXPORT void AlignChildControls(QWidget* container);
