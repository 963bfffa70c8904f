// SPDX-License-Identifier: MIT
// Renders a gallery of numeric labels to one PNG: the three labels of the main window, every number
// format, the frame styles and colour schemes, the alignments, the decimal comma and plus sign,
// and what happens to values that do not fit.
//
//   numora_gallery [output.png]     (runs without a display)

#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "TNumora.h"

namespace {

struct TEntry {
    QString Caption;
    std::function<void(TNumora&)> Setup;
};

struct TSection {
    QString Title;
    std::vector<TEntry> Entries;
};

constexpr int CaptionWidth = 190;
constexpr int CellWidth = CaptionWidth + 240;
constexpr int RowHeight = 42;
constexpr int TitleHeight = 26;

void MainWindowLabel(TNumora& n, const QString& left, const QString& right, double value) {
    n.SetBounds(0, 0, 179, 22);
    n.Font()->SetHeight(14);
    n.SetDisplayType(dtFixP);
    n.SetPrecision(1);
    n.SetLabelWidth(60);
    n.SetLeftSpace(50);
    n.SetColorLabBakG(clInfoBk);
    n.SetLeftText(left);
    n.SetRightText(right);
    n.SetValue(value);
}

void EnergyLabel(TNumora& n, double value) {
    MainWindowLabel(n, "Energy", "[kJ]", value);
    n.SetBounds(0, 0, 225, 35);
    n.SetLabelWidth(80);
    n.SetLeftSpace(90);
    n.Font()->SetHeight(20);
    n.Font()->SetBold(true);
    n.Font()->SetColor(clNavy);
    n.SetColorLabText(clNavy);
    n.SetColorOutText(clNavy);
}

std::function<void(TNumora&)> Format(TDisplay type, int precision, double value) {
    return [=](TNumora& n) {
        n.SetDisplayType(type);
        n.SetPrecision(precision);
        n.SetValue(value);
    };
}

std::function<void(TNumora&)> Frame(TFrameStyle style, TColorScheme scheme) {
    return [=](TNumora& n) {
        n.SetFrameStyle(style);
        n.SetColorScheme(scheme);
        n.SetColorLabBakG(clWhite);
        n.SetValue(42.5);
    };
}

std::function<void(TNumora&)> Aligned(TAlignment number, TAlignment left, TAlignment right) {
    return [=](TNumora& n) {
        n.SetBounds(0, 0, 220, 28);
        n.SetLeftSpace(60);
        n.SetAlignment(number);
        n.SetLeftTextAlignment(left);
        n.SetRightTextAlignment(right);
        n.SetLeftText("Mass");
        n.SetRightText("[kg]");
        n.SetValue(7.25);
    };
}

std::vector<TSection> Sections() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {
        {"The main window's labels",
         {{"mass, start", [](TNumora& n) { MainWindowLabel(n, "Mass", "[kg]", 10); }},
          {"height, start", [](TNumora& n) { MainWindowLabel(n, "Height", "[m]", 0); }},
          {"energy, start", [](TNumora& n) { EnergyLabel(n, 0); }},
          {"energy, 100 kg on Jupiter", [](TNumora& n) { EnergyLabel(n, 1156); }}}},
        {"Every format",
         {{"dtFloat p6 1234.5678", Format(dtFloat, 6, 1234.5678)},
          {"dtFloat p4 1.5e20", Format(dtFloat, 4, 1.5e20)},
          {"dtFixP p2 3.14159", Format(dtFixP, 2, 3.14159)},
          {"dtExp p4 -0.000123", Format(dtExp, 4, -0.000123)},
          {"dtHex p4 -1", Format(dtHex, 4, -1)},
          {"dtHex p2 4095", Format(dtHex, 2, 4095)},
          {"dtZeroInt p6 42", Format(dtZeroInt, 6, 42)},
          {"dtInt 9876543.5", Format(dtInt, 2, 9876543.5)},
          {"dtDateTime 36526.5", Format(dtDateTime, 2, 36526.5)},
          {"dtState",
           [](TNumora& n) {
               n.SetDisplayType(dtState);
               n.SetStateText("running");
           }},
          {"dtBin p8 5", Format(dtBin, 8, 5)},
          {"dtOct p12 8", Format(dtOct, 12, 8)},
          {"dtDeg p2 48.8584", Format(dtDeg, 2, 48.8584)},
          {"dtDegMin p1 -12.5", Format(dtDegMin, 1, -12.5)},
          {"dtDegMinSec p1 2.2945", Format(dtDegMinSec, 1, 2.2945)}}},
        {"Frame styles and colour schemes",
         {{"fsNone", Frame(fsNone, csBWG)},
          {"fsSimple", Frame(fsSimple, csBWG)},
          {"fsLowered", Frame(fsLowered, csBWG)},
          {"fsRaised", Frame(fsRaised, csBWG)},
          {"fsEmbossed", Frame(fsEmbossed, csBWG)},
          {"fsEngraved", Frame(fsEngraved, csBWG)},
          {"fsLowered, csSystem", Frame(fsLowered, csSystem)},
          {"fsRaised, csSystem", Frame(fsRaised, csSystem)}}},
        {"Alignments (number, left text, right text)",
         {{"left, left, left", Aligned(taLeftJustify, taLeftJustify, taLeftJustify)},
          {"center, center, center", Aligned(taCenter, taCenter, taCenter)},
          {"right, right, right", Aligned(taRightJustify, taRightJustify, taRightJustify)},
          {"center, right, left (usual)", Aligned(taCenter, taRightJustify, taLeftJustify)}}},
        {"Decimal comma and plus sign",
         {{"Comma, p2 3.14159",
           [](TNumora& n) {
               n.SetComma(true);
               n.SetValue(3.14159);
           }},
          {"ForcePlusSign, p2 5",
           [](TNumora& n) {
               n.SetForcePlusSign(true);
               n.SetValue(5);
           }},
          {"both, dtDegMin p1 12.5",
           [](TNumora& n) {
               n.SetComma(true);
               n.SetForcePlusSign(true);
               Format(dtDegMin, 1, 12.5)(n);
           }},
          {"plus sign, dtHex p2 255",
           [](TNumora& n) {
               n.SetForcePlusSign(true);
               Format(dtHex, 2, 255)(n);
           }}}},
        {"What does not fit",
         {{"dtFixP p2 123456789012", Format(dtFixP, 2, 123456789012.0)},
          {"dtZeroInt 1e300", Format(dtZeroInt, 0, 1e300)},
          {"dtFixP NaN", Format(dtFixP, 2, nan)},
          {"dtState wider than the box",
           [](TNumora& n) {
               n.SetDisplayType(dtState);
               n.SetStateText("a state text wider than its box");
           }},
          {"Empty",
           [](TNumora& n) {
               n.SetEmpty(true);
               n.SetLeftText("Empty");
               n.SetValue(99);
           }},
          {"OnBeforeDisplay adds a unit",
           [](TNumora& n) {
               n.OnBeforeDisplay = [](QObject*, QString& text) { text += " m/s"; };
               n.SetValue(9.81);
           }}}},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("numora_gallery.png");

    const std::vector<TSection> sections = Sections();
    const int columns = 2;
    int height = 10;
    for (const TSection& s : sections)
        height += TitleHeight + RowHeight * int((s.Entries.size() + columns - 1) / columns);
    QImage gallery(columns * CellWidth + 10, height, QImage::Format_RGB32);
    gallery.fill(ColorToRgb(clBtnFace));

    QPainter p(&gallery);
    const QFont captionFont = MakeQFont("Arial", 12);
    QFont titleFont = MakeQFont("Arial", 14, true);
    int y = 10;
    for (const TSection& s : sections) {
        p.setFont(titleFont);
        p.setPen(Qt::black);
        p.drawText(QPoint(10, y + 16), s.Title);
        y += TitleHeight;
        for (std::size_t i = 0; i < s.Entries.size(); ++i) {
            const int x = 10 + int(i % columns) * CellWidth;
            const int top = y + int(i / columns) * RowHeight;
            TNumora label;
            s.Entries[i].Setup(label);
            p.setFont(captionFont);
            p.setPen(QColor(60, 60, 60));
            p.drawText(QPoint(x, top + 18), s.Entries[i].Caption);
            p.drawImage(QPoint(x + CaptionWidth, top), label.Picture());
        }
        y += RowHeight * int((s.Entries.size() + columns - 1) / columns);
    }
    p.end();
    QImageWriter writer(output);
    if (!writer.write(gallery)) {
        qWarning("cannot write %s: %s", qPrintable(output), qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
