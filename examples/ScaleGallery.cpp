// SPDX-License-Identifier: MIT
// Renders a gallery of axes into one PNG: the four scale types; linear, logarithmic and inverted
// ranges; numbers, user texts, inscriptions, elapsed time and every calendar family; the frame
// styles in both colour schemes. Usage: scale_gallery [output.png]

#include <QApplication>
#include <QDate>
#include <QImage>
#include <QImageWriter>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "TCanvas.h"
#include "TFont.h"
#include "TScale.h"

namespace {

constexpr int PageWidth = 1640;
constexpr int PageHeight = 1480;

class TGallery {
public:
    TGallery() : FPage(PageWidth, PageHeight, QImage::Format_RGB32), FCanvas(&FPage) {
        FPage.fill(QColor(0xF0, 0xF0, 0xF0));
        FTitleFont.SetName(QStringLiteral("Arial"));
        FTitleFont.SetHeight(12);
        FTitleFont.SetBold(true);
        FTitleFont.SetColor(0x503010);
    }

    // One scale with its title above it; the setup configures everything but its place.
    void Add(int x, int y, int w, int h, const QString& title, const std::function<void(TScale&)>& setup) {
        TCanvas& c = FCanvas;
        c.AssignFont(FTitleFont);
        c.Brush.Style = bsClear;
        c.TextOut(x, y, title);
        auto scale = std::make_unique<TScale>();
        scale->SetEmbedded(true);
        scale->SetPaintSuppressed(true);
        scale->SetBounds(0, 0, w, h);
        setup(*scale);
        if (scale->Transparent()) {
            // a transparent axis over a light backdrop, to show that nothing else is drawn
            c.Brush.Style = bsSolid;
            c.Brush.Color = 0xFFFFFF;
            c.Pen.Color = 0xD0D0D0;
            c.Rectangle(x, y + 16, x + w, y + 16 + h);
        }
        scale->SetTargetCanvas(&c, x, y + 16);
        scale->RenderNow();
        FScales.push_back(std::move(scale));
    }

    // false, with the reason in error, when the file cannot be written
    bool Save(const QString& file, QString& error) {
        FCanvas.Release();  // the canvas's painter holds the page until then
        QImageWriter writer(file);
        if (writer.write(FPage)) return true;
        error = writer.errorString();
        return false;
    }

private:
    QImage FPage;
    TCanvas FCanvas;
    TFont FTitleFont;
    std::vector<std::unique_ptr<TScale>> FScales;
};

// the day number of a calendar axis: days since 30 December 1899
double Date(int y, int m, int d) {
    return double(QDate(1899, 12, 30).daysTo(QDate(y, m, d)));
}

void HorizontalColumn(TGallery& g, int x) {
    const int w = 380, h = 64, step = 86;
    int y = 10;
    const auto row = [&](const QString& title, const std::function<void(TScale&)>& setup) {
        g.Add(x, y, w, h, title, setup);
        y += step;
    };
    row("sctXB linear 0..100, caption [m] centred below", [](TScale& s) {
        s.SetCaption("[m]");
        s.SetCaptionAnchor(uaSclCenter);
        s.SetCaptionPosY(2);
    });
    row("sctXT linear 0..1, MinTicks 2, caption right", [](TScale& s) {
        s.SetScaleType(sctXT);
        s.SetRangeHigh(1);
        s.SetMinTicks(2);
        s.SetCaption("[s]");
        s.SetCaptionAnchor(uaSclBotRgt);
        s.SetCaptionAlignment(taRightJustify);
        s.SetCaptionPosY(24);
    });
    row("sctXB inverted 100..0, ShortTicks off", [](TScale& s) {
        s.SetRangeHigh(0);
        s.SetRangeLow(100);
        s.SetShortTicks(false);
    });
    row("sctXB -2e6..2e6: scientific texts", [](TScale& s) {
        s.SetRangeLow(-2e6);
        s.SetRangeHigh(2e6);
    });
    row("sctXB logarithmic 1..10000, DecPlaces -3 (exponents)", [](TScale& s) {
        s.SetRangeLow(1);
        s.SetRangeHigh(10000);
        s.SetLogarithmic(true);
        s.SetDecPlaces(-3);
        s.SetMinTicks(5);
    });
    row("sctXB logarithmic 0.01..100, MinTicks 5", [](TScale& s) {
        s.SetRangeLow(0.01);
        s.SetRangeHigh(100);
        s.SetLogarithmic(true);
        s.SetMinTicks(5);
    });
    row("sctXB user texts Mon|Tue|Wed|Thu|Fri, 1..5", [](TScale& s) {
        s.SetRangeLow(1);
        s.SetRangeHigh(5);
        s.SetMinTicks(4);
        s.SetShortTicks(false);
        s.SetLabelType(ftUserText);
        s.SetUserTickText("Mon|Tue|Wed|Thu|Fri");
    });
    row("sctXB inscription \"& m\"", [](TScale& s) {
        s.SetScaleInscript("& m");
        s.SetRangeHigh(50);
    });
    row("sctXT elapsed time 0..10 s", [](TScale& s) {
        s.SetScaleType(sctXT);
        s.SetLabelType(ftTime);
        s.SetRangeHigh(10);
        s.SetMarginLeft(30);
        s.SetMarginRight(30);
    });
    row("sctXB elapsed time 0..0.5 s with milliseconds", [](TScale& s) {
        s.SetLabelType(ftTime);
        s.SetRangeHigh(0.5);
        s.SetMinTicks(2);
        s.SetMarginLeft(40);
        s.SetMarginRight(40);
    });
    row("sctXB elapsed time -5400..5400 s", [](TScale& s) {
        s.SetLabelType(ftTime);
        s.SetRangeLow(-5400);
        s.SetRangeHigh(5400);
        s.SetMarginLeft(30);
        s.SetMarginRight(30);
    });
    row("sctXB calendar seconds (12:00:00 .. 12:00:50)", [](TScale& s) {
        s.SetLabelType(ftDateTime);
        const double d = Date(2024, 3, 5) + 0.5;
        s.SetRangeHigh(d + 50.0 / 86400);
        s.SetRangeLow(d);
        s.SetMarginLeft(30);
        s.SetMarginRight(30);
    });
    row("sctXB calendar minutes, tfHHhMM", [](TScale& s) {
        s.SetLabelType(ftDateTime);
        const double d = Date(2024, 3, 5) + 14.0 / 24;
        s.SetRangeHigh(d + 50.0 / 1440);
        s.SetRangeLow(d);
        s.DateFormat()->SetTimeFormat(tfHHhMM);
    });
    row("sctXB calendar hours across midnight, date lines", [](TScale& s) {
        s.SetLabelType(ftDateTime);
        const double d = Date(2024, 3, 5) + 0.5;
        s.SetRangeHigh(d + 1.5);
        s.SetRangeLow(d);
        s.SetMarginLeft(30);
        s.SetMarginRight(30);
    });
    row("sctXT calendar hours, tfAMPM, dtAllTicks", [](TScale& s) {
        s.SetScaleType(sctXT);
        s.SetLabelType(ftDateTime);
        const double d = Date(2024, 3, 5) + 0.25;
        s.SetRangeHigh(d + 0.5);
        s.SetRangeLow(d);
        s.DateFormat()->SetTimeFormat(tfAMPM);
        s.DateFormat()->SetDateForTime(dtAllTicks);
        s.DateFormat()->SetYearLength(ylNone);
        s.SetMarginLeft(30);
        s.SetMarginRight(30);
    });
    row("sctXB calendar days (10 days), doDDMMYY", [](TScale& s) {
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(Date(2024, 3, 11));
        s.SetRangeLow(Date(2024, 3, 1));
        s.SetMarginLeft(36);
        s.SetMarginRight(36);
    });
    row("sctXB calendar months, doYYMMDD, month numbers", [](TScale& s) {
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(Date(2025, 1, 1));
        s.SetRangeLow(Date(2024, 1, 1));
        s.DateFormat()->SetDateOrder(doYYMMDD);
        s.DateFormat()->SetMonthName(false);
        s.SetMarginLeft(30);
        s.SetMarginRight(30);
    });
}

void SecondColumn(TGallery& g, int x) {
    const int w = 380, h = 64, step = 86;
    int y = 10;
    const auto row = [&](const QString& title, const std::function<void(TScale&)>& setup) {
        g.Add(x, y, w, h, title, setup);
        y += step;
    };
    row("sctXB calendar years 1900..2024", [](TScale& s) {
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(Date(2024, 1, 1));
        s.SetRangeLow(Date(1900, 1, 1));
    });
    row("sctXB calendar years up to 9999", [](TScale& s) {
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(3000000);
        s.SetRangeLow(Date(1, 1, 1));
    });
    row("sctXB calendar: invalid range (inverted)", [](TScale& s) {
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(10);
        s.SetRangeLow(20);
    });
    row("sctXB calendar: span below one second", [](TScale& s) {
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(40000 + 1e-6);
        s.SetRangeLow(40000);
    });
    row("transparent sctXB, ShowBaseLine off, ftNoFigs", [](TScale& s) {
        s.SetTransparent(true);
        s.SetShowBaseLine(false);
        s.SetLabelType(ftNoFigs);
    });
    row("transparent sctXT, navy axis, red Arial 13 px", [](TScale& s) {
        s.SetTransparent(true);
        s.SetScaleType(sctXT);
        s.SetColorScale(clNavy);
        s.Font()->SetName("Arial");
        s.Font()->SetHeight(13);
        s.Font()->SetColor(clRed);
        s.SetRangeLow(-1);
        s.SetRangeHigh(1);
    });
    const TFrameStyle styles[] = {fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved};
    const char* names[] = {"fsNone", "fsSimple", "fsLowered", "fsRaised", "fsEmbossed", "fsEngraved"};
    for (int i = 0; i < 6; ++i) {
        for (int scheme = 0; scheme < 2; ++scheme) {
            const QString title = QString::fromLatin1(names[i]) + (scheme ? " csSystem" : " csBWG");
            g.Add(x + scheme * 195, y, 185, 56, title, [&](TScale& s) {
                s.SetFrameStyle(styles[i]);
                s.SetColorScheme(scheme ? csSystem : csBWG);
                s.SetColorBackGnd(scheme ? clBtnFace : 0xE0FFFF);
                s.SetMarginLeft(14);
                s.SetMarginRight(14);
                s.SetMarginBottom(14);
                s.SetRangeHigh(10);
            });
        }
        y += 78;
    }
}

void VerticalColumns(TGallery& g, int x) {
    const int w = 130, h = 330;
    const auto cell = [&](int col, int y, const QString& title, const std::function<void(TScale&)>& setup) {
        g.Add(x + col * 150, y, w, h, title, setup);
    };
    cell(0, 10, "sctYL 0..100", [](TScale& s) {
        s.SetScaleType(sctYL);
        s.SetCaption("[m]");
        s.SetCaptionPosX(0);
        s.SetCaptionPosY(-16);
        s.SetCaptionAlignment(taLeftJustify);
    });
    cell(1, 10, "sctYR 0..1", [](TScale& s) {
        s.SetScaleType(sctYR);
        s.SetRangeHigh(1);
        s.SetCaption("[kJ]");
        s.SetCaptionPosX(0);
        s.SetCaptionPosY(-16);
        s.SetCaptionAlignment(taRightJustify);
    });
    cell(2, 10, "sctYL log 1e-3..1e3", [](TScale& s) {
        s.SetScaleType(sctYL);
        s.SetRangeLow(1e-3);
        s.SetRangeHigh(1e3);
        s.SetLogarithmic(true);
    });
    cell(3, 10, "sctYR inverted log", [](TScale& s) {
        s.SetScaleType(sctYR);
        s.SetRangeHigh(1);
        s.SetRangeLow(1000);
        s.SetLogarithmic(true);
        s.SetMinTicks(5);
    });
    cell(0, 370, "sctYL hours, dates", [](TScale& s) {
        s.SetScaleType(sctYL);
        s.SetLabelType(ftDateTime);
        const double d = Date(2024, 12, 31) + 0.5;
        s.SetRangeHigh(d + 1);
        s.SetRangeLow(d);
        s.SetMinTicks(6);
    });
    cell(1, 370, "sctYR hundredths", [](TScale& s) {
        s.SetScaleType(sctYR);
        s.SetLabelType(ftDateTime);
        const double d = Date(2024, 3, 5) + 0.5;
        s.SetRangeHigh(d + 0.5 / 86400);
        s.SetRangeLow(d);
    });
    cell(2, 370, "sctYL seconds, AM/PM", [](TScale& s) {
        s.SetScaleType(sctYL);
        s.SetLabelType(ftDateTime);
        const double d = Date(2024, 3, 5) + 0.75;
        s.SetRangeHigh(d + 30.0 / 86400);
        s.SetRangeLow(d);
        s.DateFormat()->SetTimeFormat(tfAMPM);
        s.DateFormat()->SetDateForTime(dtOnePerChart);
        s.DateFormat()->SetYearLength(ylNone);
    });
    cell(3, 370, "sctYR too small", [](TScale& s) {
        s.SetScaleType(sctYR);
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(40000 + 1e-7);
        s.SetRangeLow(40000);
    });
    cell(0, 730, "sctYL invalid", [](TScale& s) {
        s.SetScaleType(sctYL);
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(-1e7);
        s.SetRangeLow(0);
    });
    cell(1, 730, "sctYR days", [](TScale& s) {
        s.SetScaleType(sctYR);
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(Date(2024, 2, 10));
        s.SetRangeLow(Date(2024, 1, 1));
        s.DateFormat()->SetDateOrder(doMMDDYY);
        s.DateFormat()->SetYearLength(ylYY);
    });
    cell(2, 730, "sctYL elapsed", [](TScale& s) {
        s.SetScaleType(sctYL);
        s.SetLabelType(ftTime);
        s.SetRangeHigh(7200);
    });
    cell(4, 10, "sctYR hours, dates", [](TScale& s) {
        s.SetScaleType(sctYR);
        s.SetLabelType(ftDateTime);
        const double d = Date(2024, 12, 31) + 0.75;
        s.SetRangeHigh(d + 0.5);
        s.SetRangeLow(d);
        s.SetMinTicks(4);
    });
    cell(4, 370, "sctYR elapsed, ms", [](TScale& s) {
        s.SetScaleType(sctYR);
        s.SetLabelType(ftTime);
        s.SetRangeLow(-0.2);
        s.SetRangeHigh(0.2);
    });
    cell(4, 730, "sctYL user texts", [](TScale& s) {
        s.SetScaleType(sctYL);
        s.SetLabelType(ftUserText);
        s.SetUserTickText("low|medium|high");
        s.SetRangeHigh(2);
        s.SetMinTicks(2);
        s.SetShortTicks(false);
    });
    cell(3, 730, "sctYR months", [](TScale& s) {
        s.SetScaleType(sctYR);
        s.SetLabelType(ftDateTime);
        s.SetRangeHigh(Date(2024, 8, 1));
        s.SetRangeLow(Date(2023, 11, 15));
        s.SetMinTicks(5);
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("scale_gallery.png");
    TGallery gallery;
    HorizontalColumn(gallery, 10);
    SecondColumn(gallery, 410);
    VerticalColumns(gallery, 810);
    QString error;
    if (!gallery.Save(file, error)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(file), qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(file));
    return 0;
}
