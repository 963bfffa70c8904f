// SPDX-License-Identifier: MIT
#pragma once
// What the classroom saves besides pictures: the energy chart's trail as CSV. It is written as
// pictures are, whole or not at all (PictureFile).

#include <QByteArray>

class TForm1;

// "body,g,mass_kg,height_m,energy_kJ" and one row per state of the simulation's trail, in its
// order: the body by its name in the body group (the window's language), numbers with
// a decimal point and ten significant digits. UTF-8, lines ending in CR LF as RFC 4180 has them.
// With the zero level shown, a last column zero_m gives h₀, and energy_kJ is m·g·(h − h₀); a
// Planet X whose g is kept from the class has "?" for it.
QByteArray TrailCsv(const TForm1& form);

// "time_s,height_m,speed_m_s,pe_kJ,ke_kJ,thermal_kJ,total_kJ" and one row per sample of the fall's
// record, from the release.
class TSimulation;
QByteArray FallCsv(const TSimulation& simulation);
