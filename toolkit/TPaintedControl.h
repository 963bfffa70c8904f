// SPDX-License-Identifier: MIT
#pragma once
// Base of the custom-painted controls (chart, axis, numeric label). The control renders into its
// own off-screen picture; RepaintNow() renders that picture at once and schedules its blit, and
// paintEvent only blits. Tests read Picture() without showing any window. Qt's mouse events
// become the components' mouse events (sender, button, shift state, pixel position).
//
// What the controls share lives here once: Font with ParentFont, ShowHint with ParentShowHint,
// PopupMenu and Align. They are protected; a control publishes those it has (a using-declaration
// and a Q_PROPERTY). Setters store their value and call the control's one change hook,
// PropertyChanged, only on a real change (Change).

#include <QImage>
#include <QWidget>
#include <memory>

#include "Enums.h"
#include "TCanvas.h"
#include "TComponent.h"
#include "TEvents.h"
#include "gravilo_toolkit_export.h"

class TBitmap;
class TFont;
class TPaintedControlPrivate;

class QDynamicPropertyChangeEvent;
class QMenu;
class QMouseEvent;

class GRAVILO_TOOLKIT_EXPORT TPaintedControl : public QWidget, public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
public:
    explicit TPaintedControl(QWidget* parent = nullptr);
    ~TPaintedControl() override;

    // the control's own picture and its canvas
    TCanvas& Canvas() { return FCanvas; }
    const QImage& Picture();
    // Device pixels of the picture per pixel of the control: 1 on an ordinary screen at 100 %,
    // more on a dense screen or in a zoomed window (the painting finds out by itself); a new
    // scale repaints at once.
    double DeviceScale() const { return FDeviceScale; }
    void SetDeviceScale(double scale);

    // Renders the picture now (when the control may paint) and schedules its blit; a screen reader
    // hears of a new value the control now shows.
    void RepaintNow();
    // Schedules the blit of the picture, or of part of it, on a stage too.
    void Blit(const QRect& part = QRect());
    // A screen reader hears of the control's spoken value when it differs from what it last heard:
    // for a state the control shows without a repaint (a fall that has begun, say).
    void AnnounceChange();

    // Position and size; the control learns of the change at once, shown or not.
    virtual void SetBounds(int left, int top, int width, int height);

    // The control's own visibility flag (a control inside a hidden window is still Visible).
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // The form has been read: the font follows its ancestor again.
    void Loaded() override;

    static TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

protected:
    // ---- shared properties, published by the controls that have them ----------------------------
    // The control's font (nullptr until UseFontAndHints); assigning copies the settings.
    TFont* Font() const;
    void SetFont(TFont* font);
    // true: the font follows the published Font of the nearest ancestor that has one (the form);
    // changing the font itself turns it off
    bool ParentFont() const;
    void SetParentFont(bool parentFont);
    // tool tips (Hint) appear only while ShowHint holds; with ParentShowHint the nearest ancestor
    // publishing ShowHint decides
    bool ShowHint() const;
    void SetShowHint(bool show);
    bool ParentShowHint() const;
    void SetParentShowHint(bool parentShowHint);
    // the menu a right click opens; not owned
    QMenu* PopupMenu() const;
    void SetPopupMenu(QMenu* menu);
    // docking to an edge of the parent
    TAlign Align() const;
    void SetAlign(TAlign align);

    // Gives the control its font (created now, so that it takes its place among the control's
    // children) and the ShowHint rule for its tool tips.
    void UseFontAndHints();
    // The font changed, its own or the followed one.
    virtual void FontChanged() { PropertyChanged(); }
    // A right click asks for the context menu at pos; true keeps PopupMenu closed.
    virtual bool ContextPopup(QPoint pos);

    // The one change hook: a property took a new value.
    virtual void PropertyChanged() {}
    // When a setter calls the hook: on a real change, or on every assignment where the control's
    // published behaviour promises a repaint for each one.
    enum class TNotify { OnChange, Always };
    // Stores value; true when it differs from the value before.
    template <typename T, typename U>
    static bool Store(T& field, const U& value) {
        if (field == value) return false;
        field = value;
        return true;
    }
    // Every setter's one form: store the value, then call PropertyChanged as notify says.
    template <typename T, typename U>
    void Change(T& field, const U& value, TNotify notify = TNotify::OnChange) {
        if (Store(field, value) || notify == TNotify::Always) PropertyChanged();
    }

    // Draws the whole control on Canvas(); called by RepaintNow with a picture of the control's size.
    virtual void Paint() = 0;
    // The picture's pixel format: RGB32 for opaque controls, premultiplied ARGB for see-through ones.
    virtual QImage::Format PictureFormat() const { return QImage::Format_RGB32; }
    // Shows a finished off-screen frame without copying it: the bitmap's image becomes the
    // picture and the bitmap gets the previous picture. A bitmap of another size or format is
    // copied instead, and keeps its image.
    void TakePicture(TBitmap& frame);
    // Position or size changed.
    virtual void BoundsChanged() {}

    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();
    virtual void MouseEnter();
    virtual void MouseLeave();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // a control that takes the focus shows its mark over the picture while the keyboard gave it
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void TakePartSetting(QDynamicPropertyChangeEvent* event);
    // the picture at its size and scale, painted (no blit scheduled)
    void Render();
    // stores a new device scale; true when it changed
    bool TakeDeviceScale(double scale);
    void EnsurePictureSize();
    void NoteBounds();
    QImage FPicture;
    TCanvas FCanvas;
    QRect FLastBounds;
    double FDeviceScale = 1.0;
    bool FVisible = true;
    bool FClickPending = false;
    QString FSpokenValue;  // what screen readers last heard as the control's value
    std::unique_ptr<TPaintedControlPrivate> const d;
};
