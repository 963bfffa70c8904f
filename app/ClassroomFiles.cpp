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

}  // namespace

QByteArray TrailCsv(const TForm1& form) {
    const QStringList names = form.RGAccel->Items();
    QString text = QStringLiteral("body,g,mass_kg,height_m,energy_kJ\r\n");
    for (const TTrailRecord& state : form.Simulation().Trail())
        text += CsvField(names.value(state.Body)) + QLatin1Char(',') + Number(state.GravAccel) +
                QLatin1Char(',') + QString::number(state.Mass) + QLatin1Char(',') + Number(state.Height) +
                QLatin1Char(',') + Number(state.Energy) + QStringLiteral("\r\n");
    return text.toUtf8();
}
