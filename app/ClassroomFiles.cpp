// SPDX-License-Identifier: MIT
#include "ClassroomFiles.h"

#include "ugravilo.h"

namespace {

// a field as RFC 4180 has it: quoted when it holds a separator, a quote or a line break
QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// ten digits, with a decimal point: the value as computed, without the binary rounding's tail
// (49.05, not 49.050000000000004)
QString Number(double value) {
    return QString::number(value, 'g', 10);
}

// the body whose colour the mark has; the colours of the bodies differ
int BodyOfColor(TColor color) {
    for (int body = 0; body < TForm1::BodyCount; ++body)
        if (TForm1::BodyColor(body) == color) return body;
    return -1;
}

}  // namespace

QByteArray TrailCsv(const TForm1& form) {
    const TPlotica& chart = *form.PLEnerg;
    const QStringList names = form.RGAccel->Items();
    const std::vector<std::uint8_t>& masses = form.TrailMasses();
    QString text = QStringLiteral("body,g,mass_kg,height_m,energy_kJ\r\n");
    // the last item is the current-state mark, which the next state replaces
    const int trail = std::min(chart.ItemCount() - 1, int(masses.size()));
    for (int i = 0; i < trail; ++i) {
        const TDrawItem& mark = chart.Item(i);
        const int body = BodyOfColor(mark.Color);
        text += CsvField(names.value(body)) + QLatin1Char(',') + Number(TForm1::BodyAccel(body)) +
                QLatin1Char(',') + QString::number(masses[std::size_t(i)]) + QLatin1Char(',') +
                Number(mark.X1) + QLatin1Char(',') + Number(mark.Y1) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}
