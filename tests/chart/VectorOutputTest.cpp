// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <vector>

#include "ChartTestSupport.h"
#include "TNumora.h"

using namespace charttest;

namespace {

struct TSvg {
    QStringList Texts;
    QList<int> PolylinePoints;  // the number of points of each polyline
};

TSvg ReadSvg(const QByteArray& bytes) {
    TSvg svg;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("text"))
            svg.Texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        else if (xml.name() == QLatin1String("polyline"))
            svg.PolylinePoints << int(
                xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts).size());
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    return svg;
}

QString PdfText(const QString& file) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    EXPECT_TRUE(tool.waitForFinished(20000));
    return QString::fromUtf8(tool.readAllStandardOutput());
}

std::unique_ptr<TPlotica> ChartWithALine(int points) {
    auto chart = MakeChart(392, 300);
    chart->Scale1X()->SetVisible(true);
    chart->Scale1Y()->SetVisible(true);
    chart->SetCaption(QStringLiteral("Energy"));
    chart->MoveTo(0, 50);
    for (int i = 1; i < points; ++i) chart->LineTo(i * 100.0 / points, 50 + 40 * ((i % 7) - 3) / 3.0);
    chart->AddMark(20, 20, 24);
    chart->AddText(70, 80, QStringLiteral("Apogee"), 10);
    chart->ShowItems();
    return chart;
}

}  // namespace

// The chart, its axes and the numeric label as vectors: texts stay texts, a line of n points is one
// path of n points, the places are those of the screen picture, and a file is written whole.
TEST(VectorOutput, TextsStayTextsLinesOnePathAtTheScreensPlaces) {
    auto chart = ChartWithALine(1000);
    std::vector<double> x(500), y(500);  // and a compact series of 500 points
    for (int i = 0; i < 500; ++i) x[i] = i / 5.0, y[i] = 30 + i % 11;
    chart->SetDataColor(clBlue);
    chart->AddPolyline(x.data(), y.data(), 500);
    chart->ShowItems();
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(chart->SaveSvg(dir.filePath("chart.svg"), &error)) << qPrintable(error);
    QFile file(dir.filePath("chart.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const TSvg svg = ReadSvg(file.readAll());
    for (const char* text : {"Energy", "Apogee", "0", "100"}) EXPECT_TRUE(svg.Texts.contains(text)) << text;
    EXPECT_TRUE(svg.PolylinePoints.contains(1000) && svg.PolylinePoints.contains(500))
        << svg.PolylinePoints.size();

    // drawn onto an image, the vectors cover the pixels of the screen picture but for the edges
    // of shapes and texts
    QImage vector(chart->size(), QImage::Format_RGB32);
    vector.fill(Qt::white);
    {
        QPainter painter(&vector);
        chart->ToPainter(painter);
    }
    const QImage screen = chart->Picture().convertToFormat(QImage::Format_RGB32);
    int differ = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) differ += screen.pixel(x, y) != vector.pixel(x, y);
    EXPECT_LT(differ, screen.width() * screen.height() / 50);

    EXPECT_FALSE(chart->SavePdf(dir.filePath("no-such-folder/chart.pdf"), &error));
    EXPECT_FALSE(error.isEmpty());

    TNumora label;
    label.resize(200, 30);
    label.SetLeftText(QStringLiteral("Mass"));
    label.SetValue(12.5);
    QBuffer bytes;
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&bytes);
        generator.setSize(label.size());
        QPainter painter(&generator);
        label.ToPainter(painter);
    }
    const QStringList texts = ReadSvg(bytes.data()).Texts;
    EXPECT_TRUE(texts.contains("Mass") && texts.contains(label.DrawnText())) << qPrintable(texts.join('|'));
}

// A PDF of its own and a print to a PDF printer hold the chart's texts as text.
TEST(VectorOutput, PdfAndPrintHoldTheTexts) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    auto chart = ChartWithALine(50);
    QTemporaryDir dir;
    ASSERT_TRUE(chart->SavePdf(dir.filePath("chart.pdf")));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    ASSERT_TRUE(chart->Print(printer));
    for (const char* name : {"chart.pdf", "printed.pdf"}) {
        const QString text = PdfText(dir.filePath(name));
        for (const char* word : {"Energy", "Apogee", "100"})
            EXPECT_TRUE(text.contains(word)) << name << ": " << word;
    }
}
