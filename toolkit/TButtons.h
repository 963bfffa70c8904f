// SPDX-License-Identifier: MIT
#pragma once
// Push buttons with a caption and an optional picture: TButton, TBitBtn (a button with a
// picture) and TSpeedButton (a button that never takes the keyboard focus).

#include <QIcon>
#include <QPushButton>

#include "ShownText.h"
#include "TComponent.h"
#include "TEvents.h"

class TButton : public QPushButton, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
public:
    explicit TButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(ShownText::Bounded(caption)); }
    // a button with a modal result closes its modal form with that result
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }
    void SetGlyph(const QIcon& glyph) { setIcon(glyph); }
    // Enter in the button's form clicks its default button, Escape its cancel button, wherever
    // the focus is (unless the control with the focus uses the key itself). The button looks the
    // same either way.
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }

    // Runs the click as the user's click does.
    void Click();

    TNotifyEvent OnClick;

private:
    int FModalResult = 0;
    bool FDefault = false;
    bool FCancel = false;
};

class TBitBtn : public TButton {
    Q_OBJECT
public:
    explicit TBitBtn(QWidget* parent = nullptr) : TButton(parent) {}
};

class TSpeedButton : public TButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);
};
