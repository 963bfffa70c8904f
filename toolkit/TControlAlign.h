// SPDX-License-Identifier: MIT
#pragma once
// Docking of child controls to the edges of their container, as the forms lay themselves out:
// top-docked controls first, then bottom, left, right, and the client control takes the rest.
// Within each group the controls keep their creation order.

#include <QWidget>

#include "Enums.h"

void SetControlAlign(QWidget* control, TAlign align);
TAlign ControlAlign(const QWidget* control);
// Places every docked child of the container; undocked children keep their geometry.
void AlignChildControls(QWidget* container);
