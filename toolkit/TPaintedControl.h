#pragma once
// Base of the custom-painted controls (chart, axis, numeric label). The control renders into its
// own off-screen picture; RepaintNow() renders that picture at once and schedules its blit, and
// paintEvent only blits. Tests read Picture() without showing any window. Qt's mouse events
// become the components' mouse events (sender, button, shift state, pixel position).

#include <QImage>
#include <QWidget>

#include "TCanvas.h"
#include "TComponent.h"
#include "TEvents.h"
#include "gravilo_toolkit_export.h"

class TBitmap;

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

    // Renders the picture now (when the control may paint) and schedules its blit.
    void RepaintNow();

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

    static TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

protected:
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

private:
    void EnsurePictureSize();
    void NoteBounds();
    QImage FPicture;
    TCanvas FCanvas;
    QRect FLastBounds;
    bool FVisible = true;
    bool FClickPending = false;
};
