// SPDX-License-Identifier: MIT
#pragma once
// A form: a top-level window with a caption, a font its controls inherit, a client area of a
// given size, docked children, a show event, and modal showing. Room may be kept around the client
// area (a menu bar above it, a panel beside it): the window grows by it, the client area keeps its
// size and its docked controls their places within it.

#include <QWidget>

#include "ShownText.h"
#include "TComponent.h"
#include "TEvents.h"
#include "TFont.h"

class QEventLoop;

class TForm : public QWidget, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(Vexa::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(Vexa::TPosition Position READ Position WRITE SetPosition)
public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(ShownText::Bounded(caption)); }
    TFont* Font() const { return FFont; }
    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    // The client area; a dialog border keeps the window at exactly this size (and its margins).
    void SetClientSize(int width, int height);
    int ClientWidth() const { return contentsRect().width(); }
    int ClientHeight() const { return contentsRect().height(); }
    // The room kept around the client area; the window's size follows, the client area's stays.
    void SetClientMargins(const QMargins& margins);
    QRect ClientRect() const { return contentsRect(); }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }

    // Shows the form modally: returns when it is closed, with its modal result. The application's
    // quit ends the showing too, with mrCancel: the form lets itself be closed then, so that the
    // quit is not cancelled by its refusal.
    int ShowModal();
    bool IsModal() const { return FModalLoop != nullptr; }
    int ModalResult() const { return FModalResult; }
    // A non-zero result closes a modal form.
    void SetModalResult(int result);
    // Closes the form (ends ShowModal when it is modal).
    void Close();
    // Shows the form in front of the other windows, un-minimised and active; a modal form shown
    // meanwhile comes to the front above it, since it is the one that takes the keys.
    void BringToFront();
    // Makes the window that shows the form active: its own, or the one whose scene holds it.
    void ActivateWindow();

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Enter and Escape that no control used click the default and the cancel button
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyFont();
    void CentreOnScreen();
    TFont* FFont;
    TColor FColor = clBtnFace;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    QEventLoop* FModalLoop = nullptr;
    bool FQuitting = false;  // the application quits while the form is shown modally
    int FModalResult = mrNone;
};
