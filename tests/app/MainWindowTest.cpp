// SPDX-License-Identifier: MIT
// The main window as it is built and first shown: its components in order and in place, the
// settings of its charts and labels, and the start state it draws only once it is shown.

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "GraviloTesting.h"
#include "TControlAlign.h"

using namespace gravilotest;

namespace {

QRect Bounds(const QWidget* w) {
    return w->geometry();
}

// the colour of a chart's picture at a world point of layer 1
TColor PictureColorAt(TPlotica& chart, double x, double y, int dx = 0, int dy = 0) {
    const QPoint p = chart.WorldToPixel(1, x, y);
    return QColorToColor(QColor(chart.Picture().pixel(p.x() + dx, p.y() + dy)));
}

}  // namespace

TEST(MainWindow, ComponentsInTheirDeclaredOrderWithTheirNames) {
    TTestWindow w;
    // the form holds the panel, the charts, the memo and the non-visual components; the panel the
    // buttons, labels, scroll bar and radio group; each list in the declared order
    const QObjectList own = w->children();
    int last = -1;
    for (const char* name : {"Panel1", "PLPict", "Timer1", "cliDemon", "MMExplain", "PLEnerg"}) {
        QObject* child = w->findChild<QObject*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        ASSERT_NE(child, nullptr) << name;
        const int at = int(own.indexOf(child));
        EXPECT_GT(at, last) << name;
        last = at;
    }
    const QObjectList onPanel = w->Panel1->children();
    last = -1;
    for (const char* name : {"SButExit", "NLblMasse", "NLblHeight", "NLblEnergie", "SBarMasse", "RGAccel",
                             "BButAbout", "BButReset"}) {
        const int at = int(onPanel.indexOf(w->Panel1->findChild<QObject*>(QLatin1String(name))));
        EXPECT_GT(at, last) << name;
        last = at;
    }
}

TEST(MainWindow, LayoutOfTheWindowAndItsControls) {
    TTestWindow w;
    TForm1& f = w.Start();
    EXPECT_EQ(f.size(), QSize(718, 642));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());  // a dialog border: fixed size
    EXPECT_EQ(f.Font()->Name(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(f.Font()->Height(), 14);
    EXPECT_EQ(Bounds(f.Panel1), QRect(0, 0, 718, 110));
    EXPECT_EQ(ControlAlign(f.Panel1), alTop);
    EXPECT_EQ(Bounds(f.PLPict), QRect(0, 110, 326, 410));
    EXPECT_EQ(Bounds(f.PLEnerg), QRect(326, 110, 392, 410));
    EXPECT_EQ(Bounds(f.MMExplain), QRect(0, 520, 718, 122));
    EXPECT_EQ(Bounds(f.SButExit), QRect(8, 8, 105, 29));
    EXPECT_EQ(Bounds(f.BButAbout), QRect(8, 42, 105, 29));
    EXPECT_EQ(Bounds(f.BButReset), QRect(8, 76, 105, 29));
    EXPECT_EQ(Bounds(f.RGAccel), QRect(130, 10, 120, 90));
    EXPECT_EQ(Bounds(f.NLblMasse), QRect(258, 10, 179, 22));
    EXPECT_EQ(Bounds(f.SBarMasse), QRect(278, 39, 120, 16));
    EXPECT_EQ(Bounds(f.NLblHeight), QRect(258, 77, 179, 22));
    EXPECT_EQ(Bounds(f.NLblEnergie), QRect(472, 65, 225, 35));
    for (QWidget* onPanel :
         std::initializer_list<QWidget*>{f.SButExit, f.BButAbout, f.BButReset, f.RGAccel, f.NLblMasse,
                                         f.SBarMasse, f.NLblHeight, f.NLblEnergie})
        EXPECT_EQ(onPanel->parentWidget(), f.Panel1) << qPrintable(onPanel->objectName());
    // Exit is reached with Tab, and a click on it leaves the focus where it was
    EXPECT_EQ(f.SButExit->focusPolicy(), Qt::TabFocus);
    EXPECT_FALSE(f.SButExit->icon().isNull());
    EXPECT_FALSE(f.BButAbout->icon().isNull());
    EXPECT_FALSE(f.BButReset->icon().isNull());
    EXPECT_FALSE(f.windowIcon().isNull());
}

TEST(MainWindow, SettingsOfTheControlsChartsAndLabels) {
    TTestWindow w;
    TForm1& f = *w;
    EXPECT_EQ(f.SBarMasse->Min(), 1);
    EXPECT_EQ(f.SBarMasse->Max(), 100);
    EXPECT_EQ(f.SBarMasse->Position(), 10);
    EXPECT_EQ(f.SBarMasse->PageSize(), 0);
    EXPECT_EQ(f.RGAccel->ItemIndex(), 0);
    EXPECT_EQ(f.Timer1->Interval(), 100);
    EXPECT_FALSE(f.Timer1->Enabled());
    EXPECT_TRUE(f.cliDemon->AutoTranslate());
    EXPECT_FALSE(f.cliDemon->AutoCreateItlFile());
    EXPECT_FALSE(f.cliDemon->UseTessaroServer());
    EXPECT_EQ(f.MMExplain->Color(), clInfoBk);

    for (TNumora* small : {f.NLblMasse, f.NLblHeight}) {
        EXPECT_EQ(small->DisplayType(), dtFixP);
        EXPECT_EQ(small->Precision(), 1);
        EXPECT_EQ(small->LabelWidth(), 60);
        EXPECT_EQ(small->LeftSpace(), 50);
        EXPECT_EQ(small->ColorLabBakG(), clInfoBk);
        EXPECT_EQ(small->ColorOutBakG(), clBtnFace);
        EXPECT_EQ(small->Font()->Height(), 14);
    }
    TNumora& e = *f.NLblEnergie;
    EXPECT_EQ(e.LabelWidth(), 80);
    EXPECT_EQ(e.LeftSpace(), 90);
    EXPECT_EQ(e.Font()->Height(), 20);
    EXPECT_TRUE(e.Font()->Bold());
    EXPECT_EQ(e.ColorLabText(), clNavy);
    EXPECT_EQ(e.ColorOutText(), clNavy);
    EXPECT_EQ(f.NLblMasse->RightText(), QStringLiteral("[kg]"));
    EXPECT_EQ(f.NLblHeight->RightText(), QStringLiteral("[m]"));
    EXPECT_EQ(e.RightText(), QStringLiteral("[kJ]"));

    for (TPlotica* c : {f.PLPict, f.PLEnerg}) {
        EXPECT_EQ(c->AllocSize(), 1000);
        EXPECT_EQ(c->MarginLeft(), 50);
        EXPECT_EQ(c->MarginTop(), 20);
        EXPECT_EQ(c->MarginBottom(), 40);
        EXPECT_EQ(c->MouseAction(), maNone);
        for (int n = 2; n <= 4; ++n)
            EXPECT_FALSE(c->ScalePropsX(n)->Visible() || c->ScalePropsY(n)->Visible());
    }
    EXPECT_EQ(f.PLPict->MarginRight(), 16);
    EXPECT_FALSE(f.PLPict->Scale1X()->Visible());
    EXPECT_EQ(f.PLPict->Scale1X()->RangeHigh(), 100);
    EXPECT_EQ(f.PLPict->Scale1Y()->RangeHigh(), 620);
    EXPECT_EQ(f.PLPict->Scale1Y()->MinTicks(), 4);
    EXPECT_TRUE(f.PLEnerg->Scale1X()->Visible());
    EXPECT_EQ(f.PLEnerg->MarginRight(), 20);
    EXPECT_EQ(f.PLEnerg->Scale1Y()->Caption(), QStringLiteral("[kJ]"));
    EXPECT_EQ(f.PLEnerg->CaptionPosY(), -16);
}

TEST(MainWindow, NothingIsDrawnBeforeTheStartState) {
    TTestWindow w;
    EXPECT_FALSE(w->Started());
    EXPECT_EQ(w->Simulation().GravAccel(), 0);
    EXPECT_EQ(w->PLEnerg->ItemCount(), 0);
    EXPECT_EQ(w->PLPict->ItemCount(), 0);
}

TEST(MainWindow, StartState) {
    TTestWindow w;
    TForm1& f = w.Start();
    ASSERT_TRUE(f.Started());
    EXPECT_EQ(f.NLblMasse->DrawnText(), QStringLiteral("10.0"));
    EXPECT_EQ(f.NLblHeight->DrawnText(), QStringLiteral("0.0"));
    EXPECT_EQ(f.NLblEnergie->DrawnText(), QStringLiteral("0.0"));
    EXPECT_EQ(f.RGAccel->ItemIndex(), 0);
    EXPECT_EQ(f.Simulation().GravAccel(), 9.81);
    EXPECT_EQ(f.Simulation().HandX(), 20);
    EXPECT_EQ(f.Simulation().HandY(), 520);
    EXPECT_EQ(f.Simulation().MassHeight(), 0);
    EXPECT_EQ(f.Simulation().FallSpeed(), 0);
    EXPECT_FALSE(f.Timer1->Enabled());

    // the energy plot: one black trail mark at (0, 0) and the current-state mark
    ASSERT_EQ(f.PLEnerg->ItemCount(), 2);
    const TDrawItem& trail = f.PLEnerg->Item(0);
    EXPECT_EQ(trail.Kind, ikMark);
    EXPECT_EQ(trail.Mark, 1);
    EXPECT_EQ(trail.Color, 0u);
    EXPECT_EQ(trail.X1, 0);
    EXPECT_EQ(trail.Y1, 0);
    EXPECT_EQ(f.PLEnerg->Item(1).Mark, 12);

    // the scene ends with the mass: a blue 12 x 18 rectangle standing on the ground
    const TDrawItem& mass = f.PLPict->Item(f.PLPict->ItemCount() - 1);
    EXPECT_EQ(mass.Kind, ikRectangle);
    EXPECT_EQ(mass.FillColor, 0xFF0000u);
    EXPECT_EQ(QRectF(QPointF(mass.X1, mass.Y1), QPointF(mass.X2, mass.Y2)), QRectF(-6, 0, 12, 18));
    EXPECT_EQ(PictureColorAt(*f.PLPict, 0, 9), 0xFF0000u);
    // the hand, a filled black square at (20, 520)
    EXPECT_EQ(PictureColorAt(*f.PLPict, 20, 520), clBlack);
    EXPECT_EQ(PictureColorAt(*f.PLPict, 20, 520, 1, 1), clBlack);
}

TEST(MainWindow, TheSceneAsUpdateDisplayDrawsIt) {
    TTestWindow w;
    TForm1& f = w.Start();
    const TPlotica& s = *f.PLPict;
    // five hooks of three points each, the pulley, its axle, two ropes, the hand and the mass
    ASSERT_EQ(s.ItemCount(), 5 * 3 + 6);
    for (int i = 1; i <= 5; ++i) {
        const TDrawItem& corner = s.Item((i - 1) * 3 + 1);
        const TDrawItem& tip = s.Item((i - 1) * 3 + 2);
        EXPECT_EQ(s.Item((i - 1) * 3).Kind, ikMoveTo);
        EXPECT_EQ(s.Item((i - 1) * 3).X1, 100);
        EXPECT_EQ(s.Item((i - 1) * 3).Y1, 100 * i);
        EXPECT_EQ(corner.X1, 90);
        EXPECT_EQ(corner.Y1, 100 * i);
        EXPECT_EQ(tip.X1, 90);
        EXPECT_EQ(tip.Y1, 100 * i - 10);
        EXPECT_EQ(tip.LineWidth, 2);
    }
    const TDrawItem& pulley = s.Item(15);
    EXPECT_EQ(pulley.Kind, ikEllipse);
    EXPECT_EQ(pulley.FillColor, 0xC0C0C0u);
    EXPECT_EQ(pulley.LineWidth, 1);
    EXPECT_EQ(s.Item(16).Mark, 16);
    const TDrawItem& ropeToMass = s.Item(17);
    EXPECT_EQ(ropeToMass.Kind, ikLine);
    EXPECT_EQ(ropeToMass.Y1, 18);  // the top of the mass: height + 2 r3
    EXPECT_EQ(ropeToMass.Y2, 590);
    EXPECT_EQ(s.Item(19).Mark, 8);
    for (int i = 0; i < s.ItemCount(); ++i) EXPECT_EQ(s.Item(i).Color, clBlack) << i;

    // the mass grows with the square root: 100 kg is 40 x 60, 1 kg 4 x 6
    f.SBarMasse->SetPosition(100);
    const TDrawItem& big = f.PLPict->Item(f.PLPict->ItemCount() - 1);
    EXPECT_EQ(big.X2 - big.X1, 40);
    EXPECT_EQ(big.Y2 - big.Y1, 60);
    f.SBarMasse->SetPosition(1);
    const TDrawItem& small = f.PLPict->Item(f.PLPict->ItemCount() - 1);
    EXPECT_EQ(small.X2 - small.X1, 4);
    EXPECT_EQ(small.Y2 - small.Y1, 6);
    EXPECT_EQ(f.NLblMasse->Value(), 1);
}

TEST(MainWindow, ShowingTheWindowAgainKeepsTheState) {
    TTestWindow w;
    TForm1& f = w.Start();
    w.Press();
    w.DragTo(0, 300);
    f.hide();
    f.show();
    EXPECT_EQ(f.Simulation().MassHeight(), 200);
    EXPECT_EQ(f.PLEnerg->ItemCount(), 3);
}

TEST(MainWindow, ExitClosesTheWindow) {
    TTestWindow w;
    TForm1& f = w.Start();
    ASSERT_TRUE(f.isVisible());
    QTest::mouseClick(f.SButExit, Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}
