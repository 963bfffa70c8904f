// SPDX-License-Identifier: MIT
#include "TControlAlign.h"

#include <QVariant>

#include "TPaintedControl.h"

namespace {
constexpr const char* kAlignProperty = "_vexa_align";

// custom-painted controls learn of their new bounds at once, even in a window not yet shown
void Place(QWidget* w, const QRect& r) {
    if (auto* painted = dynamic_cast<TPaintedControl*>(w))
        painted->SetBounds(r.x(), r.y(), r.width(), r.height());
    else
        w->setGeometry(r);
}
}  // namespace

void SetControlAlign(QWidget* control, TAlign align) {
    control->setProperty(kAlignProperty, static_cast<int>(align));
    if (control->parentWidget()) AlignChildControls(control->parentWidget());
}

TAlign ControlAlign(const QWidget* control) {
    const QVariant v = control->property(kAlignProperty);
    return v.isValid() ? static_cast<TAlign>(v.toInt()) : alNone;
}

void AlignChildControls(QWidget* container) {
    QRect free = container->contentsRect();
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (QObject* child : container->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (!w || w->isWindow() || ControlAlign(w) != pass) continue;
            switch (pass) {
                case alTop:
                    Place(w, QRect(free.left(), free.top(), free.width(), w->height()));
                    free.setTop(free.top() + w->height());
                    break;
                case alBottom:
                    Place(w, QRect(free.left(), free.bottom() + 1 - w->height(), free.width(), w->height()));
                    free.setBottom(free.bottom() - w->height());
                    break;
                case alLeft:
                    Place(w, QRect(free.left(), free.top(), w->width(), free.height()));
                    free.setLeft(free.left() + w->width());
                    break;
                case alRight:
                    Place(w, QRect(free.right() + 1 - w->width(), free.top(), w->width(), free.height()));
                    free.setRight(free.right() - w->width());
                    break;
                default:
                    Place(w, free);
                    break;
            }
        }
    }
}
