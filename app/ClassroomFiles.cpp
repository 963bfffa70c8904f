// SPDX-License-Identifier: MIT
#include "ClassroomFiles.h"

#include "ugravilo.h"

namespace {

// a text field as RFC 4180 has it: quoted when it holds a separator, a quote or a line break.
// A text that a spreadsheet would take for a formula (=, +, -, @, or a tab or carriage return
// before one) gets an apostrophe in front, which keeps it a text; quotes alone do not.
QString CsvField(const QString& text) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    const QString inert =
        !text.isEmpty() && formulaStarts.contains(text.front()) ? QLatin1Char('\'') + text : text;
    if (!inert.contains(QLatin1Char(',')) && !inert.contains(QLatin1Char('"')) &&
        !inert.contains(QLatin1Char('\n')) && !inert.contains(QLatin1Char('\r')))
        return inert;
    QString quoted = inert;
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
    const bool zero = form.ZeroLevelShown();
    QString text = QStringLiteral("body,g,mass_kg,height_m,energy_kJ") +
                   (zero ? QStringLiteral(",zero_m\r\n") : QStringLiteral("\r\n"));
    for (const TTrailRecord& state : form.Simulation().Trail()) {
        text += CsvField(names.value(state.Body)) + QLatin1Char(',') +
                (state.AccelHidden ? QStringLiteral("?") : Number(state.GravAccel)) + QLatin1Char(',') +
                QString::number(state.Mass) + QLatin1Char(',') + Number(state.Height) + QLatin1Char(',') +
                Number(state.Energy);
        if (zero) text += QLatin1Char(',') + Number(state.ZeroLevel);
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QByteArray FallCsv(const TSimulation& simulation) {
    QString text = QStringLiteral("time_s,height_m,speed_m_s,pe_kJ,ke_kJ,thermal_kJ,total_kJ\r\n");
    for (const TFallSample& s : simulation.FallRecord())
        text += QStringList{Number(s.Time),    Number(s.Height),  Number(s.Speed), Number(s.Potential),
                            Number(s.Kinetic), Number(s.Thermal), Number(s.Total)}
                    .join(QLatin1Char(',')) +
                QStringLiteral("\r\n");
    return text.toUtf8();
}
