// SPDX-License-Identifier: MIT
// Vector output: the chart painted again, part by part as on the screen, onto a painter that
// takes lines, shapes and texts as they are (a PDF, an SVG, a printer). The screen's pictures and
// the checkpoint of the data area are not touched.

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

#include "PictureFile.h"
#include "PloticaAxes.h"
#include "PloticaPrivate.h"
#include "TVectorCanvas.h"

namespace {

// the chart's pixels are those of a 96-dpi screen
constexpr int ScreenDpi = 96;

bool Fail(QString* error, const QString& reason) {
    if (error) *error = reason;
    return false;
}

}  // namespace

void TPloticaPrivate::DrawVector(QPainter& painter) {
    const QSize size(q.width(), q.height());
    TVectorCanvas control(painter, size);
    TCanvas& c = control.Canvas();
    Frame.Render(c, View());
    q.UpdateScaling();
    Axes->RenderAll(&c);
    FireRender(q.OnScalesRendered, c, 0, 0);
    painter.save();
    painter.translate(MarginLeft, MarginTop);
    {
        TVectorCanvas data(painter,
                           QSize(std::max(DataAreaWidth() + 1, 0), std::max(DataAreaHeight() + 1, 0)));
        DrawData(data.Canvas(), false);
    }
    painter.restore();
    Hairs->Render(c, View());
}

void TCustomPlotica::ToPainter(QPainter& painter) {
    if (IsLoading() || width() <= 0 || height() <= 0 || !painter.isActive()) return;
    d->DrawVector(painter);
}

bool TCustomPlotica::SavePdf(const QString& fileName, QString* error) {
    if (width() <= 0 || height() <= 0) return Fail(error, QStringLiteral("the chart has no size"));
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setCreator(QStringLiteral("Gravilo"));
        pdf.setTitle(objectName());
        pdf.setResolution(ScreenDpi);
        // one page of the chart's size, one unit of the painter a pixel
        const QSizeF points(width() * 72.0 / ScreenDpi, height() * 72.0 / ScreenDpi);
        pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&pdf);
        ToPainter(painter);
    }
    QString reason;
    return PictureFile::WriteWhole(fileName, bytes.data(), reason) || Fail(error, reason);
}

bool TCustomPlotica::SaveSvg(const QString& fileName, QString* error) {
    if (width() <= 0 || height() <= 0) return Fail(error, QStringLiteral("the chart has no size"));
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&bytes);
        svg.setTitle(objectName());
        svg.setResolution(ScreenDpi);
        svg.setSize(size());
        svg.setViewBox(rect());
        QPainter painter(&svg);
        ToPainter(painter);
    }
    QString reason;
    return PictureFile::WriteWhole(fileName, bytes.data(), reason) || Fail(error, reason);
}

bool TCustomPlotica::Print(QPrinter& printer) {
    if (width() <= 0 || height() <= 0) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // as large as the printable area takes it, in its proportions, at the top of the page
    // (the painter starts at the printable area's corner)
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const double scale = std::min(page.width() / width(), page.height() / height());
    painter.translate((page.width() - width() * scale) / 2, 0);
    painter.scale(scale, scale);
    ToPainter(painter);
    return painter.end();
}

bool TCustomPlotica::Print(QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(objectName());
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    return Print(printer);
}
