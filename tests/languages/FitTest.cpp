// SPDX-License-Identifier: MIT
// Every shipped language in the real windows at 100 %: each text fits its control, measured with
// the control's own font (buttons, radio items, the numeric labels' names and units, the
// explanation, the menu bar with the fall's clock, the energy bars' names, the About dialog), no
// key is missing, and the Alt keys stay distinct.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "AboutBox.h"
#include "Classroom.h"
#include "EnergyBars.h"
#include "GraviloTesting.h"
#include "Languages.h"
#include "MainMenu.h"
#include "ShippedLanguages.h"

using namespace gravilotest;

namespace {

int Width(const QWidget& control, const QString& text, int pixels = 0, bool bold = false) {
    QFont font = control.font();
    if (pixels) font.setPixelSize(pixels);
    if (bold) font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(text);
}

class Fit : public testing::TestWithParam<QString> {
protected:
    void TearDown() override { QApplication::setLayoutDirection(Qt::LeftToRight); }
};

}  // namespace

TEST_P(Fit, EveryTextFitsItsControl) {
    QTemporaryDir missingKeys;
    TTestWindow w(GetParam(), [&](TqmrDemonClient& link) {
        link.SetAutoCreateItlFile(true);
        link.Translator()->SetItlFileDirectory(missingKeys.path());
    });
    TForm1& f = w.Start();
    TClassroom classroom(f);
    TLanguages languages(f, classroom, nullptr);
    TGlossator& dictionary = *f.cliDemon->Translator();
    TLanguages::Arrange(dictionary, f);
    TFrmAbout about;
    f.SetAboutDialog(&about);
    f.PrepareAboutDialog();
    about.show();
    QApplication::processEvents();

    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(f.SButExit), static_cast<QAbstractButton*>(f.BButAbout),
          static_cast<QAbstractButton*>(f.BButReset), static_cast<QAbstractButton*>(about.BButOK)}) {
        // its picture, 4 pixels and its text within its frame
        const QString text = QString(button->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
        EXPECT_LE(button->iconSize().width() + 4 + Width(*button, text), button->width() - 1)
            << qPrintable(text);
    }
    EXPECT_LE(Width(*f.RGAccel, f.RGAccel->Caption()) + 16, f.RGAccel->width())
        << qPrintable(f.RGAccel->Caption());
    for (QRadioButton* item : f.RGAccel->findChildren<QRadioButton*>())
        EXPECT_LE(item->x() + item->sizeHint().width(), f.RGAccel->width()) << qPrintable(item->text());

    // a numeric label's name ends 5 pixels before its box, its unit starts 7 after it
    for (TNumora* label : {f.NLblMasse, f.NLblHeight, f.NLblEnergie}) {
        EXPECT_LE(Width(*label, label->LeftText()) + 5, label->LeftSpace()) << qPrintable(label->LeftText());
        EXPECT_LE(label->LeftSpace() + label->LabelWidth() + 7 + Width(*label, label->RightText()),
                  label->width());
    }
    // and a label that grew covers nothing
    const QList<QWidget*> panel = f.Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* a : panel)
        for (QWidget* b : panel)
            EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()))
                << qPrintable(a->objectName() + QLatin1Char(' ') + b->objectName());

    // the explanation: every line on one line of the memo, together no taller than the seven
    // lines of the memo's own font that English takes (a script drawn from a taller font takes fewer)
    auto* memo = f.MMExplain;
    const auto height = [memo](bool oneLineEach) {
        QApplication::processEvents();
        qreal sum = 0;
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
            if (oneLineEach) {
                EXPECT_EQ(block.layout()->lineCount(), 1) << qPrintable(block.text());
            }
            sum += memo->document()->documentLayout()->blockBoundingRect(block).height();
        }
        return sum;
    };
    const qreal translated = height(true);
    const QStringList lines = memo->Lines();
    memo->SetLines(QStringList(7, QStringLiteral("Mg")));
    EXPECT_LE(translated, height(false));
    memo->SetLines(lines);
    EXPECT_EQ(memo->horizontalScrollBar()->maximum(), 0);

    // the menu bar holds its menus and the fall's clock in each of its states
    QMenuBar* bar = classroom.Menu().Bar();
    QWidget* clock = bar->cornerWidget(Qt::TopRightCorner);
    for (const QString& state : classroom.ClockTexts()) {
        classroom.Menu().SetStateText(state);
        int used = clock->sizeHint().width();
        for (QAction* title : bar->actions()) used += bar->actionGeometry(title).width();
        EXPECT_LE(used, bar->width()) << state.toStdString();
    }

    TEnergyBars& bars = classroom.Bars();
    for (const char* name : TEnergyBars::BarKeys)
        EXPECT_LE(Width(bars, dictionary.TranslateText(QLatin1String(name)), 13), TEnergyBars::CaptionWidth())
            << name;
    for (const char* name : TEnergyBars::ReadoutKeys)
        EXPECT_LE(Width(bars, dictionary.TranslateText(QLatin1String(name)), 13), TEnergyBars::ReadoutWidth())
            << name;
    EXPECT_LE(
        Width(bars, dictionary.TranslateText(QStringLiteral("Energy")) + QStringLiteral(" [kJ]"), 16, true),
        TEnergyBars::ReadoutWidth());

    EXPECT_LE(about.LblWebSite->heightForWidth(about.LblWebSite->width()), about.LblWebSite->height());
    EXPECT_LE(about.LblDescription->heightForWidth(about.LblDescription->width()),
              about.LblDescription->height());
    EXPECT_LE(Width(*about.LblHomePage, about.LblHomePage->text()), about.LblHomePage->width());
    EXPECT_LE(Width(*about.LblCopyright, about.LblCopyright->text()), about.LblCopyright->width());

    ExpectDistinctMnemonics(f);
    EXPECT_TRUE(dictionary.MissingEntries().isEmpty()) << dictionary.MissingEntries().join(' ').constData();
    about.hide();
}

INSTANTIATE_TEST_SUITE_P(Shipped, Fit, testing::ValuesIn(ShippedLanguageFiles()), LanguageOf);
