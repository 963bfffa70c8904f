// SPDX-License-Identifier: MIT
#pragma once
// A window that shows a form scaled as a whole to the room it has: any size, maximised or full
// screen, the form keeps its proportions, centred, with the rest in the form's own colour. The
// form and its controls keep their own coordinates; they are drawn at the window's scale (Qt's
// widgets as vectors, the painted controls at as many device pixels as they cover), and mouse,
// keyboard and screen-reader positions are mapped by the scene. The form's title and icon are
// the window's; closing one closes the other.

#include <QGraphicsScene>
#include <QGraphicsView>
#include <functional>

class QGraphicsProxyWidget;
class QShortcut;
class TForm;

class TStage : public QGraphicsView {
    Q_OBJECT
public:
    explicit TStage(TForm& form);
    ~TStage() override;

    TForm& Form() const { return FForm; }
    // the form's scale: 1 shows it at its own size
    double Zoom() const;
    // Sizes the window so that the form shows at this scale (as far as the screen has room), out
    // of full screen and un-maximised.
    void SetZoom(double zoom);
    bool FullScreen() const { return isFullScreen(); }
    // Full screen, or back to the window it was; Escape leaves it too.
    void SetFullScreen(bool on);
    void BringToFront();

    // An update of part of a widget (all of it when r is empty) that reaches the screen on a
    // stage too: Qt's repaint manager drops the updates of an embedded form's controls that it
    // thinks painted already, so the proxy is told of them as well.
    static void Update(QWidget* widget, const QRect& r = QRect());

    // the scale changed (a resize, a zoom), or full screen came or went
    std::function<void(double zoom)> OnZoomChanged;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fit();
    void FollowForm();
    TForm& FForm;
    QGraphicsScene FScene;
    QGraphicsProxyWidget* FProxy;
    QShortcut* FLeaveFullScreen;
    double FWindowedZoom = 1.0;  // what a windowed stage keeps when the form changes its size
    QRect FWindowed;             // where the window was before full screen
    bool FClosing = false;
    bool FZooming = false;
};
