#pragma once
// What the classroom saves: the energy chart's trail as CSV and pictures as PNG. A file is
// written whole or not at all: into a temporary file beside it, renamed over it when everything
// is written, so a full disk or a lost folder leaves no half-written file behind.

#include <QByteArray>
#include <QImage>
#include <QString>

class TForm1;

// "body,g,mass_kg,height_m,energy_kJ" and one row per trail mark of the energy chart, in the
// chart's order: the body by its name in the body group (the window's language), numbers with
// a decimal point and ten significant digits. UTF-8, lines ending in CR LF as RFC 4180 has them.
QByteArray TrailCsv(const TForm1& form);

// Writes the bytes, or says why not in reason.
bool WriteWholeFile(const QString& fileName, const QByteArray& bytes, QString& reason);

// Writes the picture as PNG, or says why not in reason.
bool WritePngFile(const QString& fileName, const QImage& picture, QString& reason);
