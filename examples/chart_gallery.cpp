// SPDX-License-Identifier: MIT
// Renders a gallery of the chart's abilities to PNG files: every mark shape, every item kind,
// the grid styles, background images and marked areas, text labels, cross-hairs, shadows, the
// standard layouts, logarithmic and reversed axes, and joined layers.
//
//   chart_gallery [output-folder]     (default: the current folder)

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "TPlotica.h"
#include "TTextLabel.h"

namespace {

QString OutDir;

std::unique_ptr<TPlotica> NewChart(int w, int h) {
    auto chart = std::make_unique<TPlotica>();
    chart->SetBounds(0, 0, w, h);
    chart->HandleNeeded();
    return chart;
}

// Several pictures side by side, in rows of `columns`, on a light grey sheet.
QImage Sheet(const std::vector<QImage>& pictures, int columns) {
    int cellW = 0, cellH = 0;
    for (const QImage& p : pictures) {
        cellW = std::max(cellW, p.width());
        cellH = std::max(cellH, p.height());
    }
    const int rows = (int(pictures.size()) + columns - 1) / columns;
    QImage sheet(columns * (cellW + 8) + 8, rows * (cellH + 8) + 8, QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 200));
    QPainter p(&sheet);
    for (std::size_t i = 0; i < pictures.size(); ++i)
        p.drawImage(8 + int(i % columns) * (cellW + 8), 8 + int(i / columns) * (cellH + 8), pictures[i]);
    return sheet;
}

// The picture in the file the name's suffix gives the format of; false, said why, when it cannot.
bool Write(const QImage& image, const QString& path) {
    QImageWriter writer(path);
    if (writer.write(image)) return true;
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

void Save(const QImage& image, const char* name, int zoom = 1) {
    const QImage out =
        zoom == 1 ? image : image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString path = QDir(OutDir).filePath(QString::fromLatin1(name));
    if (Write(out, path)) std::printf("%s\n", qPrintable(path));
}

QImage Render(TPlotica& chart) {
    chart.Paint();
    return chart.Picture().copy();
}

// marks 0..47 in an 8 x 6 table, then some character marks
void MarksGallery() {
    auto chart = NewChart(330, 300);
    chart->SetCaption(QStringLiteral("marks 0..47, characters"));
    chart->SetMarginLeft(10);
    chart->SetMarginRight(10);
    chart->SetMarginTop(20);
    chart->SetMarginBottom(10);
    chart->Scale1X()->SetRangeLow(0);
    chart->Scale1X()->SetRangeHigh(8);
    chart->Scale1Y()->SetRangeLow(0);
    chart->Scale1Y()->SetRangeHigh(7);
    chart->Scale1X()->SetVisible(false);
    chart->Scale1Y()->SetVisible(false);
    for (int m = 0; m < 48; ++m) {
        const double x = 0.5 + m % 8, y = 6.5 - m / 8;
        chart->SetDataColor(clBlack);
        chart->AddMark(x, y, m);
        chart->SetDataColor(clGray);
        chart->AddText(x, y - 0.3, QString::number(m), 6);
    }
    chart->SetDataColor(clNavy);
    // character marks are written in the canvas's current font: an empty text item sets its size
    chart->AddText(0, 0, QString(), 10);
    const int chars[] = {'0', 'A', 'x', '@', 'o', 0x80, 0xB0, 0xD8};
    for (int i = 0; i < 8; ++i) chart->AddMark(0.5 + i, 0.5, chars[i]);
    const QImage picture = Render(*chart);
    Save(picture, "marks.png");
    Save(picture, "marks_x3.png", 3);
}

void ItemsGallery() {
    auto chart = NewChart(392, 300);
    chart->SetCaption(QStringLiteral("item kinds"));
    chart->Scale1X()->SetRangeLow(0);
    chart->Scale1X()->SetRangeHigh(100);
    chart->Scale1Y()->SetRangeLow(0);
    chart->Scale1Y()->SetRangeHigh(100);
    chart->SetDataColor(clBlack);
    chart->AddLine(5, 95, 30, 75);  // line
    chart->MoveTo(35, 95);          // polyline
    chart->LineTo(45, 80);
    chart->LineTo(55, 95);
    chart->SetDataColor(clRed);
    chart->LineTo(65, 80);
    chart->SetDataColor(clBlack);
    chart->SetFillColor(clYellow);
    chart->AddRectangle(70, 95, 95, 78);  // rectangle
    chart->SetFillTransparent(true);
    chart->AddRectangle(72, 93, 93, 80);
    chart->SetFillTransparent(false);
    chart->SetFillColor(clSilver);
    for (int s = 2; s <= 5; ++s)  // framed boxes
        chart->AddFramedBox(5 + (s - 2) * 12, 70, 14 + (s - 2) * 12, 55, s, clGray, clWhite);
    chart->SetFillColor(clAqua);
    chart->AddBar3D(55, 55, 65, 70, 45, 8);  // 3-D bars
    chart->AddBar3D(75, 55, 85, 68, 135, 8);
    chart->SetDataColor(clNavy);
    chart->AddText(20, 45, QStringLiteral("Text item"), 9);  // text
    chart->AddText(65, 45, QStringLiteral("cut after seventeen bytes"), 8);
    chart->SetDataColor(clBlack);
    chart->SetFillColor(clLime);
    chart->AddEllipse(15, 25, 10, 12);  // ellipses
    chart->SetFillTransparent(true);
    chart->AddEllipse(40, 25, 8, 8);
    chart->SetFillTransparent(false);
    chart->MoveTo(55, 35);  // relative moves and lines
    chart->LineRel(20, 0);
    chart->LineRel(0, 20);
    chart->MoveRel(10, 0);
    chart->LineRel(10, -20);
    chart->SetFillColor(clRed);  // arrows
    chart->AddArrow(55, 10, 95, 10, 10);
    chart->AddArrow(95, 20, 60, 30, 10);
    chart->SetFillTransparent(true);
    chart->AddArrow(90, 35, 90, 5, 8);
    chart->SetFillTransparent(false);
    chart->SetLineWidth(3);
    chart->AddLine(5, 5, 40, 5);
    chart->SetLineWidth(1);
    chart->SetPenStyle(psDash);
    chart->AddLine(5, 10, 40, 10);
    chart->SetPenStyle(psSolid);
    const QImage picture = Render(*chart);
    Save(picture, "items.png");
    Save(picture, "items_x2.png", 2);
}

void GridGallery() {
    std::vector<QImage> pictures;
    const GridStyleType styles[] = {gsPoints,       gsVertLines,     gsHorizLines, gsLines,
                                    gsVertDotLines, gsHorizDotLines, gsDotLines};
    for (GridStyleType style : styles) {
        auto chart = NewChart(200, 150);
        chart->SetCaption(QString::fromLatin1(QMetaEnum::fromType<GridStyleType>().valueToKey(style)));
        chart->Scale1X()->SetRangeHigh(10);
        chart->Scale1Y()->SetRangeHigh(10);
        chart->SetGridDx(1);
        chart->SetGridDy(2);
        chart->SetGridColor(clBlue);
        chart->SetGridStyle(style);
        pictures.push_back(Render(*chart));
    }
    // logarithmic decades: 1-2-5 steps and 1..9 steps
    for (double d : {-1.0, -2.0, -3.0}) {
        auto chart = NewChart(200, 150);
        chart->SetCaption(QStringLiteral("log x, GridDx %1").arg(d));
        chart->Scale1X()->SetRangeLow(1);
        chart->Scale1X()->SetRangeHigh(1000);
        chart->Scale1X()->SetLogarithmic(true);
        chart->SetGridDx(d);
        chart->SetGridStyle(gsVertLines);
        chart->SetGridColor(clGreen);
        pictures.push_back(Render(*chart));
    }
    Save(Sheet(pictures, 4), "grids.png");
}

QString MakeTileImage() {
    QImage tile(40, 30, QImage::Format_RGB32);
    tile.fill(QColor(255, 230, 200));
    QPainter p(&tile);
    p.setPen(Qt::darkRed);
    p.drawRect(0, 0, 39, 29);
    p.drawLine(0, 0, 39, 29);
    p.end();
    const QString path = QDir(OutDir).filePath(QStringLiteral("gallery_tile.png"));
    Write(tile, path);
    return path;
}

void BackgroundGallery() {
    std::vector<QImage> pictures;
    const QString tile = MakeTileImage();
    const TBkgFill modes[] = {bfSimple, bfStretch, bfTile};
    for (TBkgFill mode : modes) {
        auto chart = NewChart(200, 150);
        chart->SetCaption(QString::fromLatin1(QMetaEnum::fromType<TBkgFill>().valueToKey(mode)));
        chart->BackGroundImg()->SetIncludePath(true);
        chart->BackGroundImg()->SetFillMode(mode);
        chart->BackGroundImg()->SetName(tile);
        pictures.push_back(Render(*chart));
    }
    const TBGAreaMode areas[] = {bamLeft, bamRight, bamTop, bamBottom, bamVStripe, bamHStripe, bamRect};
    for (TBGAreaMode mode : areas) {
        auto chart = NewChart(200, 150);
        chart->SetCaption(QString::fromLatin1(QMetaEnum::fromType<TBGAreaMode>().valueToKey(mode)));
        chart->Scale1X()->SetRangeLow(-2);
        chart->Scale1X()->SetRangeHigh(2);
        chart->Scale1Y()->SetRangeLow(-2);
        chart->Scale1Y()->SetRangeHigh(2);
        chart->BackGroundImg()->SetAreaColor(0x99DDFF);
        chart->BackGroundImg()->SetAreaMode(mode);
        pictures.push_back(Render(*chart));
    }
    Save(Sheet(pictures, 5), "backgrounds.png");
}

void LabelGallery() {
    auto chart = NewChart(392, 300);
    chart->SetCaption(QStringLiteral("text labels"));
    chart->Scale1X()->SetRangeHigh(100);
    chart->Scale1Y()->SetRangeHigh(100);
    chart->SetGridStyle(gsLines);
    chart->SetGridDx(25);
    chart->SetGridDy(25);
    chart->SetGridColor(clSilver);
    const TTxtLblMode modes[] = {tlsimple, tlBox, tlUnderline, tlShadow};
    for (int i = 0; i < 4; ++i) {
        TTextLabel* tl = chart->TextLabel(i + 1);
        tl->SetCaption(QString::fromLatin1(QMetaEnum::fromType<TTxtLblMode>().valueToKey(modes[i])));
        tl->SetMode(modes[i]);
        tl->SetPosX(25);
        tl->SetPosY(100 - 25 * (i + 0.5) + 0);
        tl->SetColorBkg(0xE0FFFF);
        tl->SetVisible(true);
    }
    // alignments around the point (75, y)
    const TAlignment aligns[] = {taLeftJustify, taCenter, taRightJustify};
    const TVerticalAlignment valigns[] = {vaTop, vaCenter, vaBottom};
    for (int i = 0; i < 3; ++i) {
        TTextLabel* tl = chart->TextLabel(10 + i);
        tl->SetCaption(QStringLiteral("A\nline two\nthree"));
        tl->SetAlignment(aligns[i]);
        tl->SetVerticalAlignment(valigns[i]);
        tl->SetMode(tlBox);
        tl->SetPosX(75);
        tl->SetPosY(100 - 30 * (i + 0.5));
        tl->SetVisible(true);
        chart->SetDataColor(clRed);
        chart->AddMark(75, 100 - 30 * (i + 0.5), 4);
    }
    TTextLabel* fixed = chart->TextLabel(20);
    fixed->SetAttachToData(tlamNone);
    fixed->SetCaption(QStringLiteral("pixel-placed, transparent"));
    fixed->SetTransparent(true);
    fixed->SetMode(tlUnderline);
    fixed->SetPosX(200);
    fixed->SetPosY(250);
    fixed->SetVisible(true);
    const QImage picture = Render(*chart);
    Save(picture, "labels.png");
}

void CrossHairAndShadowGallery() {
    std::vector<QImage> pictures;
    for (TShadowStyle style : {ssFlying, ssBox}) {
        auto chart = NewChart(250, 200);
        chart->SetCaption(style == ssFlying ? QStringLiteral("ssFlying, 8 px")
                                            : QStringLiteral("ssBox, 8 px"));
        chart->SetShadowWidth(8);
        chart->SetShadowStyle(style);
        chart->Scale1X()->SetRangeHigh(10);
        chart->Scale1Y()->SetRangeHigh(10);
        chart->CrossHair1()->SetMode(chBoth);
        chart->CrossHair1()->SetPosX(3);
        chart->CrossHair1()->SetPosY(7);
        chart->CrossHair1()->SetColor(clRed);
        chart->CrossHair2()->SetMode(chVert);
        chart->CrossHair2()->SetLayer(1);
        chart->CrossHair2()->SetPosX(7);
        chart->CrossHair2()->SetLineWid(3);
        chart->CrossHair2()->SetColor(clBlue);
        chart->CrossHair3()->SetMode(chHoriz);
        chart->CrossHair3()->SetLayer(1);
        chart->CrossHair3()->SetPosY(2);
        chart->CrossHair3()->SetLineType(psDash);
        chart->CrossHair3()->SetColor(clGreen);
        pictures.push_back(Render(*chart));
    }
    Save(Sheet(pictures, 2), "crosshairs_shadows.png");
    Save(Sheet(pictures, 2).copy(0, 150, 530, 68), "shadows_corner_x4.png", 4);
}

void AxesGallery() {
    std::vector<QImage> pictures;
    for (int l = int(pll_X1Bottom_Y1Left); l <= int(pll_X2Both_Y2Both); ++l) {
        auto chart = NewChart(392, 300);
        chart->SetStandardLayout(TplLayout(l));
        chart->SetCaption(QString::fromLatin1(QMetaEnum::fromType<TplLayout>().valueToKey(l)));
        for (int n = 1; n <= 4; ++n) {
            chart->ScalePropsX(n)->SetCaption(QStringLiteral("[x%1]").arg(n));
            chart->ScalePropsY(n)->SetCaption(QStringLiteral("[y%1]").arg(n));
            chart->ScalePropsY(n)->SetRangeHigh(10 * n);
        }
        pictures.push_back(Render(*chart));
    }
    {
        auto chart = NewChart(392, 300);
        chart->SetCaption(QStringLiteral("log x 1..1000, reversed y 100..0"));
        chart->Scale1X()->SetRangeLow(1);
        chart->Scale1X()->SetRangeHigh(1000);
        chart->Scale1X()->SetLogarithmic(true);
        chart->Scale1Y()->SetRangeLow(100);
        chart->Scale1Y()->SetRangeHigh(0);
        chart->SetGridStyle(gsLines);
        chart->SetGridColor(clSilver);
        chart->MoveTo(1, 0);
        for (int i = 1; i <= 100; ++i) chart->LineTo(std::pow(10.0, i * 0.03), i);
        pictures.push_back(Render(*chart));
    }
    {
        auto chart = NewChart(392, 300);
        chart->SetStandardLayout(pll_X1Bottom_Y2Both);
        chart->SetCaption(QStringLiteral("layer 2 joined to layer 1 in x"));
        chart->Scale1X()->SetRangeHigh(10);
        chart->Scale1Y()->SetRangeHigh(10);
        chart->Scale2Y()->SetRangeHigh(1000);
        chart->JointLayers()->SetL02x(1);
        chart->SetLayerRanges(1, 2, 8, 0, 10);  // layer 2 follows in x
        chart->SetDataColor(clBlack);
        for (int i = 0; i <= 10; ++i) chart->AddMark(i, i, 8);
        chart->SetCurrentLayer(2);
        chart->SetDataColor(clMaroon);
        for (int i = 0; i <= 10; ++i) chart->AddMark(i, i * i * 10, 16);
        pictures.push_back(Render(*chart));
    }
    Save(Sheet(pictures, 3), "axes_layouts.png");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    OutDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(OutDir);
    MarksGallery();
    ItemsGallery();
    GridGallery();
    BackgroundGallery();
    LabelGallery();
    CrossHairAndShadowGallery();
    AxesGallery();
    return 0;
}
