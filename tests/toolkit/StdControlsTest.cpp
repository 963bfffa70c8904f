#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "TButtons.h"
#include "TControlAlign.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMemo.h"
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
