// SPDX-License-Identifier: MIT
#pragma once

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

/// Base of the custom-painted controls (chart, axis, numeric label). The control renders into its
/// own off-screen picture; RepaintNow() renders that picture at once and schedules its blit, and
/// paintEvent only blits. Tests read Picture() without showing any window. Qt's mouse events
/// become the components' mouse events (sender, button, shift state, pixel position).
///
/// What the controls share lives here once: Font with ParentFont, ShowHint with ParentShowHint,
/// PopupMenu and Align. They are protected; a control publishes those it has (a using-declaration
/// and a Q_PROPERTY). Setters store their value and call the control's one change hook,
/// PropertyChanged, only on a real change (Change).
class GRAVILO_TOOLKIT_EXPORT TPaintedControl : public QWidget, public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
public:
    /// Creates the control with parent as its owner; mouse moves are reported with no button held
    /// too.
    explicit TPaintedControl(QWidget* parent = nullptr);
    /// Ends the canvas's painter; the control's font goes with the control.
    ~TPaintedControl() override;

    /// The canvas on the control's own picture, which Paint() draws on.
    TCanvas& Canvas() { return FCanvas; }
    /// The control's own picture at the control's size and DeviceScale, the canvas's painter ended.
    /// Reading it paints nothing: a picture that has just taken a new size is white (transparent
    /// for a see-through control) until the next RepaintNow().
    const QImage& Picture();
    /// Device pixels of the picture per pixel of the control: 1 on an ordinary screen at 100 %,
    /// more on a dense screen or in a zoomed window (the painting finds out by itself); a new
    /// scale repaints at once.
    double DeviceScale() const { return FDeviceScale; }
    /// Sets DeviceScale, rounded to a 64th and kept within 1 to 8; a new scale repaints at once.
    void SetDeviceScale(double scale);

    /// Renders the picture now (when the control may paint) and schedules its blit; a screen reader
    /// hears of a new value the control now shows.
    void RepaintNow();
    /// Schedules the blit of the picture, or of part of it (all of it when part is empty), on a
    /// stage too.
    void Blit(const QRect& part = QRect());
    /// A screen reader hears of the control's spoken value when it differs from what it last heard:
    /// for a state the control shows without a repaint (a fall that has begun, say).
    void AnnounceChange();

    /// Position and size; the control learns of the change at once, shown or not. A negative width
    /// or height counts as 0.
    virtual void SetBounds(int left, int top, int width, int height);

    /// The control's own visibility flag (a control inside a hidden window is still Visible).
    bool Visible() const { return FVisible; }
    /// Sets the visibility flag and shows or hides the control; a control without a parent only
    /// keeps the flag, as it would otherwise become a window of its own.
    void SetVisible(bool visible);

    /// A mouse button (left, right or middle) went down over the control, at pixel (X, Y). The
    /// second press of a double click comes here too, with ssDouble in the shift state.
    TMouseEvent OnMouseDown;
    /// A mouse button (left, right or middle) went up, at pixel (X, Y) of the control.
    TMouseEvent OnMouseUp;
    /// The mouse moved over the control (or, with a button held, dragged from it) to pixel (X, Y).
    TMouseMoveEvent OnMouseMove;
    /// A left press and release inside the control; it comes before OnMouseUp.
    TNotifyEvent OnClick;
    /// A left double click; it comes before the OnMouseDown of its second press.
    TNotifyEvent OnDblClick;
    /// The mouse entered the control.
    TNotifyEvent OnMouseEnter;
    /// The mouse left the control.
    TNotifyEvent OnMouseLeave;

    /// The form has been read: the font follows its ancestor again.
    void Loaded() override;

    /// The shift state of Qt's keyboard modifiers (Shift, Alt, Ctrl) and held mouse buttons (left,
    /// right, middle).
    static TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

protected:
    // ---- shared properties, published by the controls that have them ----------------------------
    /// The control's font (nullptr until UseFontAndHints); assigning copies the settings.
    TFont* Font() const;
    /// Copies the settings of font into the control's font; nullptr, or a control without a font
    /// yet, changes nothing.
    void SetFont(TFont* font);
    /// true: the font follows the published Font of the nearest ancestor that has one (the form);
    /// changing the font itself turns it off. Always false before UseFontAndHints.
    bool ParentFont() const;
    /// Turns the following on (adopting the ancestor's font at once) or off; nothing before
    /// UseFontAndHints.
    void SetParentFont(bool parentFont);
    /// Tool tips (Hint) appear only while ShowHint holds; with ParentShowHint the nearest ancestor
    /// publishing ShowHint decides. true for a control without the ShowHint rule (before
    /// UseFontAndHints).
    bool ShowHint() const;
    /// Sets the control's own ShowHint and turns ParentShowHint off; nothing before UseFontAndHints.
    void SetShowHint(bool show);
    /// true: the nearest ancestor in the window publishing ShowHint decides (the control's own
    /// ShowHint when none does). Always false before UseFontAndHints.
    bool ParentShowHint() const;
    /// Sets ParentShowHint; nothing before UseFontAndHints.
    void SetParentShowHint(bool parentShowHint);
    /// The menu a right click opens; not owned (nullptr once it is destroyed).
    QMenu* PopupMenu() const;
    /// Sets the menu a right click opens; not owned, nullptr for none.
    void SetPopupMenu(QMenu* menu);
    /// Docking to an edge of the parent.
    TAlign Align() const;
    /// Docks the control to an edge of its parent (alNone: it keeps its geometry).
    void SetAlign(TAlign align);

    /// Gives the control its font (created now, so that it takes its place among the control's
    /// children) and the ShowHint rule for its tool tips. A second call changes nothing.
    void UseFontAndHints();
    /// The font changed, its own or the followed one.
    virtual void FontChanged() { PropertyChanged(); }
    /// A right click asks for the context menu at pos; true keeps PopupMenu closed.
    virtual bool ContextPopup(QPoint pos);

    /// The one change hook: a property took a new value.
    virtual void PropertyChanged() {}
    /// When a setter calls the hook: on a real change, or on every assignment where the control's
    /// published behaviour promises a repaint for each one.
    enum class TNotify { OnChange /**< on a real change */, Always /**< on every assignment */ };
    /// Stores value; true when it differs from the value before.
    template <typename T, typename U>
    static bool Store(T& field, const U& value) {
        if (field == value) return false;
        field = value;
        return true;
    }
    /// Every setter's one form: store the value, then call PropertyChanged as notify says.
    template <typename T, typename U>
    void Change(T& field, const U& value, TNotify notify = TNotify::OnChange) {
        if (Store(field, value) || notify == TNotify::Always) PropertyChanged();
    }

    /// Draws the whole control on Canvas(); called by RepaintNow with a picture of the control's size.
    virtual void Paint() = 0;
    /// The picture's pixel format: RGB32 for opaque controls, premultiplied ARGB for see-through ones.
    virtual QImage::Format PictureFormat() const { return QImage::Format_RGB32; }
    /// Shows a finished off-screen frame without copying it: the bitmap's image becomes the
    /// picture and the bitmap gets the previous picture. A bitmap of another size or format is
    /// copied instead, and keeps its image.
    void TakePicture(TBitmap& frame);
    /// Position or size changed.
    virtual void BoundsChanged() {}

    /// A mouse button went down at pixel (x, y); the base fires OnMouseDown.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    /// The mouse moved to pixel (x, y); the base fires OnMouseMove.
    virtual void MouseMove(TShiftState shift, int x, int y);
    /// A mouse button went up at pixel (x, y); the base fires OnMouseUp.
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    /// A left press and release inside the control; the base fires OnClick.
    virtual void Click();
    /// A left double click; the base fires OnDblClick.
    virtual void DblClick();
    /// The mouse entered the control; the base fires OnMouseEnter.
    virtual void MouseEnter();
    /// The mouse left the control; the base fires OnMouseLeave.
    virtual void MouseLeave();

    /// Blits the picture, then the keyboard focus mark over it. A picture not of the control's size
    /// is repainted first (RepaintNow); a new device scale of the screen or the window's zoom
    /// renders it anew for this paint.
    void paintEvent(QPaintEvent* event) override;
    /// The control learns of its new size (BoundsChanged); the picture takes it when it is next
    /// painted or read.
    void resizeEvent(QResizeEvent* event) override;
    /// The control learns of its new position (BoundsChanged).
    void moveEvent(QMoveEvent* event) override;
    /// A press of the left, right or middle button becomes MouseDown; other buttons are ignored.
    void mousePressEvent(QMouseEvent* event) override;
    /// Becomes MouseMove.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// A release of the left, right or middle button becomes MouseUp, after Click when a left press
    /// ends inside the control.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// The second press of a double click: DblClick (left button), then MouseDown with ssDouble.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Becomes MouseEnter.
    void enterEvent(QEnterEvent* event) override;
    /// Becomes MouseLeave.
    void leaveEvent(QEvent* event) override;
    /// A control that takes the focus shows its mark over the picture while the keyboard gave it.
    void focusInEvent(QFocusEvent* event) override;
    /// The focus left: the mark goes (a window that only loses its activation keeps it).
    void focusOutEvent(QFocusEvent* event) override;
    /// Tool tips show only while ShowHint holds; a new parent lets the font look for its ancestor
    /// again. A dynamic property with a dot in its name (Font.Height, as a form loader sets it) is
    /// handed to the object of the control it names and removed once taken; a value that object
    /// refuses brings a warning. A name that names no object of the control stays the program's own
    /// dynamic property.
    bool event(QEvent* event) override;
    /// A right click: ContextPopup first; unless it handled the click, PopupMenu opens (when set).
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
