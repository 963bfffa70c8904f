// SPDX-License-Identifier: MIT
#pragma once
// What the classroom saves besides pictures: the energy chart's trail as CSV. It is written as
// pictures are, whole or not at all (PictureFile).

#include <QByteArray>

class TForm1;

// "body,g,mass_kg,height_m,energy_kJ" and one row per state of the simulation's trail, in its
// order: the body by its name in the body group (the window's language), numbers with
// a decimal point and ten significant digits. UTF-8, lines ending in CR LF as RFC 4180 has them.
QByteArray TrailCsv(const TForm1& form);
