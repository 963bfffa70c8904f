// SPDX-License-Identifier: MIT
#include "WalkShapes.h"

TWalkControl::TWalkControl(QWidget* owner, const char* name, const QString& caption)
    : QWidget(owner), TComponent(this) {
    setObjectName(QString::fromLatin1(name));
    FCaption = caption;
}

TWalkChart::TWalkChart(QWidget* owner, const char* name, const QString& caption)
    : TWalkControl(owner, name, caption),
      FScale1X(new TScalePropsHoriz(this)),
      FScale1Y(new TScalePropsVert(this)),
      FScale2X(new TScalePropsHoriz(this)),
      FScale2Y(new TScalePropsVert(this)),
      FCrossHair1(new TCrossHair(this)),
      FTextLabel1(new TTextLabel(this)),
      FAxis(new TWalkControl(this, "PL_FScale_X_1")) {}

TWalkGrid::TWalkGrid(QWidget* owner, const char* name)
    : TWalkControl(owner, name), FColumns(new TWalkColumns(this)) {}

TWalkMainWindow::TWalkMainWindow() {
    Form = new TWalkControl(nullptr, "Form1", QStringLiteral("GL_Potential Energy in a Gravitational Field"));
    Panel = new TWalkControl(Form, "Panel1");
    Pict = new TWalkChart(Form, "PLPict");
    Exit = new TWalkControl(Panel, "SButExit", QStringLiteral("GL_Exit"));
    Masse = new TWalkControl(Panel, "NLblMasse", QStringLiteral("GL_Mass"));
    Height = new TWalkControl(Panel, "NLblHeight", QStringLiteral("GL_Height"));
    Energie = new TWalkControl(Panel, "NLblEnergie", QStringLiteral("GL_Energy"));
    Accel = new TWalkRadioGroup(Panel, "RGAccel", QStringLiteral("GL_Acceleration"));
    Accel->SetItems({"GL_Earth", "GL_Moon", "GL_Mars", "GL_Jupiter"});
    Timer = new TWalkTimer(Form, "Timer1", {});
    About = new TWalkControl(Panel, "BButAbout", QStringLiteral("GL_About"));
    Explain = new TWalkMemo(Form, "MMExplain");
    Explain->SetLines({"GL_MMExplain"});
    Reset = new TWalkControl(Panel, "BButReset", QStringLiteral("GL_Reset"));
    Energ = new TWalkChart(Form, "PLEnerg", QStringLiteral("GL_Energy / Height"));
    Pict->Scale1Y()->SetCaption(QStringLiteral("[m]"));
    Energ->Scale1X()->SetCaption(QStringLiteral("[m]"));
    Energ->Scale1Y()->SetCaption(QStringLiteral("[kJ]"));
}

TWalkAboutBox::TWalkAboutBox() {
    Form = new TWalkControl(nullptr, "FrmAbout", QStringLiteral("GL_About"));
    auto* panel = new TWalkControl(Form, "Panel2");
    HomePage = new TWalkControl(panel, "LblHomePage", QStringLiteral("GL_HomePage"));
    Ok = new TWalkControl(Form, "BButOK", QStringLiteral("GL_OK"));
}
