// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "TForm.h"
#include "TNumora.h"
#include "TPanel.h"
#include "TProperties.h"
#include "TestPrinting.h"
#include "VexaError.h"

namespace {

// Counts the pictures a label renders.
class TCountingNumora : public TNumora {
public:
    using TNumora::TNumora;
    int FPaints = 0;

protected:
    void Paint() override {
        ++FPaints;
        TNumora::Paint();
    }
};

// A container that wants the hints of its controls shown.
class THintingPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool ShowHint READ ShowHint)
public:
    bool ShowHint() const { return true; }
};

}  // namespace

TEST(NumoraProperties, InitialValues) {
    TNumora n;
    EXPECT_EQ(n.width(), 160);
    EXPECT_EQ(n.height(), 28);
    EXPECT_EQ(n.Value(), 0);
    EXPECT_EQ(n.DisplayType(), dtFixP);
    EXPECT_EQ(n.Precision(), 2);
    EXPECT_FALSE(n.Comma());
    EXPECT_FALSE(n.ForcePlusSign());
    EXPECT_FALSE(n.Empty());
    EXPECT_EQ(n.OverflowIndicator(), "*********");
    EXPECT_EQ(n.StateText(), "undefined");
    EXPECT_EQ(n.DTFormat(), "mmm-dd, yyyy");
    EXPECT_EQ(n.LeftText(), "");
    EXPECT_EQ(n.RightText(), "");
    EXPECT_EQ(n.LeftSpace(), 35);
    EXPECT_EQ(n.LabelWidth(), 80);
    EXPECT_EQ(n.Alignment(), taCenter);
    EXPECT_EQ(n.LeftTextAlignment(), taRightJustify);
    EXPECT_EQ(n.RightTextAlignment(), taLeftJustify);
    EXPECT_EQ(n.FrameStyle(), fsLowered);
    EXPECT_EQ(n.ColorScheme(), csBWG);
    EXPECT_EQ(n.ColorLabBakG(), clBtnFace);
    EXPECT_EQ(n.ColorLabText(), clBlack);
    EXPECT_EQ(n.ColorOutBakG(), clBtnFace);
    EXPECT_EQ(n.ColorOutText(), clBlack);
    EXPECT_EQ(n.FrameDarkColor(), 0x808080u);
    EXPECT_EQ(n.FrameLightColor(), 0xFFFFFFu);
    EXPECT_EQ(n.FrameDeepColor(), clBlack);
    EXPECT_EQ(n.DisplayText(), "0.00");
}

TEST(NumoraProperties, SettersRepaintOnlyOnARealChange) {
    QWidget form;
    TCountingNumora n(&form);
    const int start = n.FPaints;
    n.SetValue(10);
    EXPECT_EQ(n.FPaints, start + 1);
    n.SetValue(10.0);
    n.SetDisplayType(dtFixP);
    n.SetPrecision(2);
    n.SetLeftText("");
    n.SetFrameStyle(fsLowered);
    n.SetColorScheme(csBWG);
    n.SetColorLabBakG(clBtnFace);
    n.SetVisible(true);
    EXPECT_EQ(n.FPaints, start + 1);
    n.SetLeftText("Mass");
    n.SetComma(true);
    n.SetColorOutText(clNavy);
    n.SetAlignment(taLeftJustify);
    n.Font()->SetBold(true);
    EXPECT_EQ(n.FPaints, start + 6);
    // the picture is there at once, without any event processing
    EXPECT_FALSE(n.Picture().isNull());
}

TEST(NumoraProperties, PrecisionAndLeftSpaceRules) {
    TCountingNumora n;
    const int start = n.FPaints;
    n.SetPrecision(-1);
    EXPECT_EQ(n.Precision(), 2);
    n.SetPrecision(20);
    EXPECT_EQ(n.Precision(), 15);
    n.SetPrecision(0);
    EXPECT_EQ(n.Precision(), 0);
    n.SetLeftSpace(-5);
    EXPECT_EQ(n.LeftSpace(), 35);
    n.SetLeftSpace(500);
    EXPECT_EQ(n.LeftSpace(), 160);
    n.SetLeftSpace(0);
    EXPECT_EQ(n.LeftSpace(), 0);
    EXPECT_EQ(n.FPaints, start + 4);
}

TEST(NumoraProperties, ColorSchemeSwitchesTheFrameColours) {
    TNumora n;
    n.SetColorScheme(csSystem);
    EXPECT_EQ(n.FrameDarkColor(), clBtnShadow);
    EXPECT_EQ(n.FrameLightColor(), clBtnHighlight);
    EXPECT_EQ(n.FrameDeepColor(), clBlack);
    n.SetColorScheme(csBWG);
    EXPECT_EQ(n.FrameDarkColor(), 0x808080u);
    EXPECT_EQ(n.FrameLightColor(), 0xFFFFFFu);
}

TEST(NumoraProperties, AssignCopiesTheListedFieldsOnly) {
    TNumora a, b;
    a.SetLeftSpace(50);
    a.SetEmpty(true);
    a.SetLabelWidth(60);
    a.SetPrecision(5);
    a.SetLeftText("Height");
    a.SetRightText("[m]");
    a.SetFrameStyle(fsRaised);
    a.SetAlignment(taRightJustify);
    a.SetRightTextAlignment(taCenter);
    a.SetLeftTextAlignment(taLeftJustify);
    a.SetOverflowIndicator("##");
    a.SetValue(-3.5);
    a.SetStateText("open");
    a.SetColorLabBakG(clInfoBk);
    a.SetColorLabText(clRed);
    a.SetColorOutBakG(clWhite);
    a.SetColorOutText(clNavy);
    a.SetColorScheme(csSystem);
    a.SetDisplayType(dtHex);
    a.SetComma(true);
    a.SetForcePlusSign(true);
    a.SetDTFormat("yyyy");
    a.Font()->SetHeight(20);
    b.OnBeforeDisplay = [](QObject*, QString&) {};
    b.Assign(&a);
    EXPECT_EQ(b.LeftSpace(), 50);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.LabelWidth(), 60);
    EXPECT_EQ(b.Precision(), 5);
    EXPECT_EQ(b.LeftText(), "Height");
    EXPECT_EQ(b.RightText(), "[m]");
    EXPECT_EQ(b.FrameStyle(), fsRaised);
    EXPECT_EQ(b.Alignment(), taRightJustify);
    EXPECT_EQ(b.RightTextAlignment(), taCenter);
    EXPECT_EQ(b.LeftTextAlignment(), taLeftJustify);
    EXPECT_EQ(b.OverflowIndicator(), "##");
    EXPECT_EQ(b.Value(), -3.5);
    EXPECT_EQ(b.StateText(), "open");
    EXPECT_EQ(b.ColorLabBakG(), clInfoBk);
    EXPECT_EQ(b.ColorLabText(), clRed);
    EXPECT_EQ(b.ColorOutBakG(), clWhite);
    EXPECT_EQ(b.ColorOutText(), clNavy);
    EXPECT_EQ(b.ColorScheme(), csSystem);
    EXPECT_EQ(b.FrameDarkColor(), clBtnShadow);
    EXPECT_EQ(b.FrameLightColor(), clBtnHighlight);
    EXPECT_EQ(b.DisplayType(), dtHex);
    EXPECT_FALSE(b.Comma());
    EXPECT_FALSE(b.ForcePlusSign());
    EXPECT_EQ(b.DTFormat(), "mmm-dd, yyyy");
    EXPECT_EQ(b.Font()->Height(), TFont::DefaultHeight);
    EXPECT_TRUE(static_cast<bool>(b.OnBeforeDisplay));
}

TEST(NumoraProperties, AssignFromAnotherKindRaises) {
    TNumora n;
    QWidget other;
    EXPECT_THROW(n.Assign(&other), EVexaError);
    EXPECT_THROW(n.Assign(nullptr), EVexaError);
    EXPECT_NO_THROW(n.Assign(&n));
}

TEST(NumoraProperties, PublishedByName) {
    TNumora n;
    EXPECT_TRUE(SetStrProp(&n, "LeftText", "GL_Mass"));
    EXPECT_EQ(n.LeftText(), "GL_Mass");
    EXPECT_EQ(GetStrProp(&n, "RightText"), "");
    EXPECT_TRUE(SetPropValue(&n, "DisplayType", QVariant::fromValue(dtOct)));
    EXPECT_EQ(n.DisplayType(), dtOct);
    EXPECT_TRUE(SetPropValue(&n, "Precision", 20));
    EXPECT_EQ(n.Precision(), 15);
    EXPECT_EQ(GetObjectProp(&n, "Font"), n.Font());
    bool sawEnum = false;
    for (const TPropInfo& p : PublishedProperties(&n))
        if (p.Name == "FrameStyle") sawEnum = p.Kind == TPropKind::Enumeration;
    EXPECT_TRUE(sawEnum);
}

TEST(NumoraProperties, HiddenLabelPaintsWhatChangedWhenShownAgain) {
    QWidget form;
    TCountingNumora n(&form);
    n.SetVisible(false);
    const int start = n.FPaints;
    n.SetValue(7);
    EXPECT_EQ(n.FPaints, start + 1);  // asked to paint, draws nothing
    const QImage before = n.Picture().copy();
    n.SetVisible(true);
    EXPECT_EQ(n.FPaints, start + 2);
    EXPECT_NE(n.Picture(), before);
}

TEST(NumoraProperties, FontFollowsTheFormUntilSetItself) {
    TForm form;
    form.Font()->SetHeight(14);
    TPanel panel(&form);
    TNumora n(&panel);
    EXPECT_TRUE(n.ParentFont());
    EXPECT_EQ(n.Font()->Height(), 14);
    form.Font()->SetName("Courier New");
    EXPECT_EQ(n.Font()->Name(), "Courier New");
    EXPECT_TRUE(n.ParentFont());
    n.Font()->SetBold(true);
    EXPECT_FALSE(n.ParentFont());
    form.Font()->SetHeight(9);
    EXPECT_EQ(n.Font()->Height(), 14);
    n.SetParentFont(true);
    EXPECT_EQ(n.Font()->Height(), 9);
    EXPECT_FALSE(n.Font()->Bold());
    // assigning a font copies its settings into the label's own font
    TFont big;
    big.SetHeight(20);
    n.SetFont(&big);
    EXPECT_EQ(n.Font()->Height(), 20);
    EXPECT_NE(n.Font(), &big);
    EXPECT_FALSE(n.ShowHint());
    THintingPanel hinting;
    n.setParent(&hinting);
    EXPECT_TRUE(n.ShowHint());  // from the parent
    n.SetShowHint(false);
    EXPECT_FALSE(n.ParentShowHint());
    EXPECT_FALSE(n.ShowHint());
    n.setParent(nullptr);
}

TEST(NumoraProperties, MouseEventsAndBeforeDisplay) {
    QWidget form;
    form.resize(200, 50);
    TNumora n(&form);
    int clicks = 0, downs = 0;
    n.OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, &n);
        ++clicks;
    };
    n.OnMouseDown = [&](QObject*, TMouseButton b, TShiftState, int x, int y) {
        EXPECT_EQ(b, mbLeft);
        EXPECT_EQ(QPoint(x, y), QPoint(40, 9));
        ++downs;
    };
    form.show();
    QTest::mouseClick(&n, Qt::LeftButton, Qt::NoModifier, QPoint(40, 9));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 1);

    QStringList seen;
    n.OnBeforeDisplay = [&](QObject* sender, QString& text) {
        EXPECT_EQ(sender, &n);
        seen << text;
        text = "x" + text;
    };
    n.SetValue(1.5);
    EXPECT_EQ(seen, QStringList{"1.50"});
    n.SetEmpty(true);
    n.SetValue(2.5);
    EXPECT_EQ(seen, QStringList{"1.50"});
}

#include "NumoraPropertiesTest.moc"
