// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "TButtons.h"
#include "TControlAlign.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TMessageBox.h"
#include "TPanel.h"
#include "TParentFont.h"
#include "TRadioGroup.h"
#include "TScrollBar.h"
#include "TTimer.h"

TEST(ScrollBar, ChangeRunsForEveryNewPositionButNotWhileLoading) {
    TForm form;
    TScrollBar* bar = nullptr;
    int changes = 0;
    {
        TLoadingScope loading;
        bar = loading.Add(new TScrollBar(&form));
        bar->OnChange = [&](QObject* s) {
            EXPECT_EQ(s, bar);
            ++changes;
        };
        bar->SetMin(1);
        bar->SetMax(100);
        bar->SetPosition(10);
        loading.End();
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(bar->Position(), 10);
    bar->SetPosition(10);
    EXPECT_EQ(changes, 0);
    bar->SetPosition(55);
    EXPECT_EQ(changes, 1);
    bar->SetPosition(500);  // clamped to Max
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(changes, 2);
    bar->setValue(42);  // as the user drags the thumb
    EXPECT_EQ(bar->Position(), 42);
    EXPECT_EQ(changes, 3);
    bar->SetPageSize(10);  // the page covers the last positions
    bar->SetPosition(100);
    EXPECT_EQ(bar->Position(), 91);
}

TEST(RadioGroup, ClickRunsWhenTheSelectionChangesByUserOrProgram) {
    TForm form;
    form.SetClientSize(300, 200);
    auto* group = new TRadioGroup(&form);
    group->setGeometry(10, 10, 120, 90);
    group->SetItems({"GL_Earth", "GL_Moon", "GL_Mars", "GL_Jupiter"});
    std::vector<int> clicks;
    group->OnClick = [&](QObject*) { clicks.push_back(group->ItemIndex()); };
    group->SetItemIndex(0);
    group->SetItemIndex(0);
    group->SetItemIndex(7);  // ignored
    EXPECT_EQ(clicks, std::vector<int>{0});
    form.show();
    QTest::mouseClick(group->Button(2), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_TRUE(group->Button(2)->isChecked());
    EXPECT_FALSE(group->Button(0)->isChecked());
    EXPECT_EQ(clicks, (std::vector<int>{0, 2}));
    // translated texts keep the selection and do not click
    group->SetItems({"Earth", "Moon", "Mars", "Jupiter"});
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(group->Button(1)->text(), QStringLiteral("Moon"));
    EXPECT_EQ(clicks.size(), 2u);
    // the buttons lie inside the frame, one below the other
    EXPECT_LT(group->Button(0)->geometry().bottom(), group->Button(1)->geometry().top() + 1);
    EXPECT_LE(group->Button(3)->geometry().bottom(), group->height());
}

TEST(Memo, LinesWithLineFeedsShowAsSeveralLines) {
    TMemo memo;
    memo.SetLines({"GL_MMExplain"});
    EXPECT_EQ(memo.Lines(), QStringList{"GL_MMExplain"});
    memo.SetLines({"first\nsecond", "third"});
    EXPECT_EQ(memo.Lines(), (QStringList{"first", "second", "third"}));
    memo.SetColor(clInfoBk);
    EXPECT_EQ(memo.palette().color(QPalette::Base).rgb(), ColorToRgb(clInfoBk));
}

TEST(Timer, TickRunsOnlyWhileEnabled) {
    TTimer timer;
    int ticks = 0;
    timer.OnTimer = [&](QObject*) { ++ticks; };
    timer.SetInterval(100);
    timer.SetEnabled(false);
    timer.Tick();
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    timer.Tick();
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
}

TEST(Form, ShowModalReturnsTheResultOfTheButtonThatClosedIt) {
    TForm dialog;
    dialog.SetClientSize(200, 100);
    dialog.SetBorderStyle(bsDialog);
    auto* ok = new TBitBtn(&dialog);
    ok->SetModalResult(mrOk);
    int shows = 0, clicks = 0;
    dialog.OnShow = [&](QObject*) { ++shows; };
    ok->OnClick = [&](QObject*) { ++clicks; };
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(dialog.IsModal());
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(dialog.isVisible());
    QTimer::singleShot(0, [&] { dialog.close(); });  // the window's close box
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(dialog.size(), QSize(200, 100));
}

// A quit of the application (a host's quit message, a signal) while a form is shown modally: the
// form gives up its showing, without OnClose, and the quit goes through.
TEST(Form, TheApplicationsQuitEndsAModalShowing) {
    TForm main, dialog;
    main.show();
    int result = -1, closes = 0;
    dialog.OnClose = [&](QObject*) { ++closes; };
    QTimer::singleShot(0, [&] { result = dialog.ShowModal(); });
    QTimer::singleShot(50, [] { QCoreApplication::quit(); });
    QTimer refused;  // ends the loops when the quit does not
    QObject::connect(&refused, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    refused.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(closes, 0);
}

TEST(Form, DockedControlsShareTheClientArea) {
    TForm form;
    auto* top = new TPanel(&form);
    top->resize(10, 110);
    auto* bottom = new TMemo(&form);
    bottom->resize(10, 122);
    auto* left = new TPanel(&form);
    left->resize(326, 10);
    auto* rest = new TPanel(&form);
    SetControlAlign(top, alTop);
    SetControlAlign(bottom, alBottom);
    SetControlAlign(left, alLeft);
    SetControlAlign(rest, alClient);
    form.SetClientSize(718, 642);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 718, 110));
    EXPECT_EQ(bottom->geometry(), QRect(0, 520, 718, 122));
    EXPECT_EQ(left->geometry(), QRect(0, 110, 326, 410));
    EXPECT_EQ(rest->geometry(), QRect(326, 110, 392, 410));
}

TEST(Label, ClickAndMouseMoveReachTheEvents) {
    TForm form;
    form.Font()->SetName(QStringLiteral("Arial"));
    form.Font()->SetHeight(13);
    auto* label = new TLabel(&form);
    EXPECT_EQ(label->Font()->Height(), 13);  // starts with the form's font
    label->setGeometry(0, 0, 100, 20);
    label->SetCaption(QStringLiteral("GL_HomePage"));
    int clicks = 0, moves = 0;
    label->OnClick = [&](QObject*) { ++clicks; };
    label->OnMouseMove = [&](QObject*, TShiftState, int, int) { ++moves; };
    form.show();
    QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(8, 8), label->mapToGlobal(QPointF(8, 8)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    EXPECT_EQ(clicks, 1);
    EXPECT_GE(moves, 1);
    label->Font()->SetColor(clRed);
    EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb(), qRgb(255, 0, 0));
}

TEST(ParentFont, FollowsTheFormUntilTheOwnFontChanges) {
    TForm form;
    auto* panel = new TPanel(&form);  // panels publish no font: the form's counts
    auto* control = new TLabel(panel);
    TFont own;
    TParentFont link(control, &own);
    own.OnChange = [&](TFont*) { link.OwnFontChanged(); };
    link.Follow();
    form.Font()->SetHeight(14);
    EXPECT_EQ(own.Height(), 14);
    EXPECT_TRUE(link.Enabled());
    own.SetBold(true);  // a font of its own ends the following
    EXPECT_FALSE(link.Enabled());
    form.Font()->SetHeight(20);
    EXPECT_EQ(own.Height(), 14);
    link.SetEnabled(true);  // back to the form's font at once
    EXPECT_EQ(own.Height(), 20);
    EXPECT_FALSE(own.Bold());
    own.OnChange = nullptr;
}

TEST(ParentFont, ShowHintComesFromTheNearestAncestorThatPublishesIt) {
    QWidget outer;
    outer.setProperty("ShowHint", true);
    QWidget inner(&outer);
    QWidget control(&inner);
    TShowHint hint;
    EXPECT_TRUE(hint.Effective(&control));
    hint.Set(false);
    EXPECT_FALSE(hint.Parent());
    EXPECT_FALSE(hint.Effective(&control));
    hint.SetParent(true);
    outer.setProperty("ShowHint", false);
    EXPECT_FALSE(hint.Effective(&control));
}

namespace {

// what a tool tip shows: Qt reads a tip that looks like markup as markup
QString TipShows(const QString& tip) {
    if (!Qt::mightBeRichText(tip)) return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

}  // namespace

// Texts from a language file or a peer show as their characters, never as markup (which may nest
// without end or name images and files), and only up to the bound a window system carries.
TEST(ShownText, CaptionsHintsAndMessagesShowTheirCharactersUpToTheBound) {
    const QString markup = QStringLiteral("<b>bold</b>\n<img src=\"none.png\">");
    TForm form;
    auto* label = new TLabel(&form);
    label->SetCaption(markup);
    // as markup, the label would be as wide as "bold" and an image
    EXPECT_GE(label->sizeHint().width(),
              QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("<img src=")));
    label->SetHint(markup);
    EXPECT_EQ(label->Hint(), markup);
    EXPECT_EQ(TipShows(label->toolTip()), markup);
    QString boxShows;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (box->textFormat() == Qt::PlainText) boxShows = box->text();
        box->accept();
    });
    ShowInformation(markup);
    EXPECT_EQ(boxShows, markup);

    // a surrogate pair across the bound goes as a whole
    const QString huge = QString(ShownText::MaxLength - 1, QLatin1Char('x')) +
                         QString::fromUcs4(U"\U0001F600") + QString(16 * 1024, QLatin1Char('y'));
    const QString bounded = huge.left(ShownText::MaxLength - 1);
    auto* button = new TButton(&form);
    auto* group = new TRadioGroup(&form);
    auto* panel = new TPanel(&form);
    form.SetCaption(huge);
    label->SetCaption(huge);
    button->SetCaption(huge);
    group->SetCaption(huge);
    panel->SetCaption(huge);
    for (TComponent* control : std::initializer_list<TComponent*>{&form, label, button, group, panel}) {
        control->SetHint(huge);
        const char* kind = control->Self()->metaObject()->className();
        EXPECT_EQ(control->Hint(), bounded) << kind;
        EXPECT_EQ(control->Self()->property("Caption").toString(), bounded) << kind;
    }
    group->SetItems({huge, QStringLiteral("Moon")});
    EXPECT_EQ(group->Items(), QStringList({bounded, QStringLiteral("Moon")}));
    EXPECT_EQ(form.windowTitle(), bounded);
}
