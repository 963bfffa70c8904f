// SPDX-License-Identifier: MIT
#pragma once
// TNumora: a number in a framed box, a descriptive text on its left and a unit text on its right
// ("Mass", a box showing 10.0, "[kg]"). Every setter that changes a value repaints at once; a text
// too wide for the box, or a value the format cannot show, gives way to the overflow indicator.

#include <QMenu>
#include <QString>
#include <functional>
#include <memory>

#include "Enums.h"
#include "NumoraEnums.h"
#include "TColor.h"
#include "TFont.h"
#include "TPaintedControl.h"
#include "gravilo_numeric_export.h"

class TNumoraPrivate;

// Called with the text just before it is measured and drawn; it may change the text.
using TBeforeDisplayEvent = std::function<void(QObject* Sender, QString& Text)>;

class GRAVILO_NUMERIC_EXPORT TNumora : public TPaintedControl {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue)
    Q_PROPERTY(Numora::TDisplay DisplayType READ DisplayType WRITE SetDisplayType)
    Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
    Q_PROPERTY(bool Comma READ Comma WRITE SetComma)
    Q_PROPERTY(bool ForcePlusSign READ ForcePlusSign WRITE SetForcePlusSign)
    Q_PROPERTY(bool Empty READ Empty WRITE SetEmpty)
    Q_PROPERTY(QString OverflowIndicator READ OverflowIndicator WRITE SetOverflowIndicator)
    Q_PROPERTY(QString StateText READ StateText WRITE SetStateText)
    Q_PROPERTY(QString DTFormat READ DTFormat WRITE SetDTFormat)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
    Q_PROPERTY(int LabelWidth READ LabelWidth WRITE SetLabelWidth)
    Q_PROPERTY(Vexa::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(Vexa::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
    Q_PROPERTY(Vexa::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
    Q_PROPERTY(Vexa::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(Vexa::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(TColor ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakG)
    Q_PROPERTY(TColor ColorLabText READ ColorLabText WRITE SetColorLabText)
    Q_PROPERTY(TColor ColorOutBakG READ ColorOutBakG WRITE SetColorOutBakG)
    Q_PROPERTY(TColor ColorOutText READ ColorOutText WRITE SetColorOutText)
    Q_PROPERTY(Vexa::TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(QMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
public:
    static constexpr int DefaultWidth = 160;
    static constexpr int DefaultHeight = 28;
    // the size a new label takes, and offers to layouts
    QSize sizeHint() const override { return {DefaultWidth, DefaultHeight}; }

    explicit TNumora(QWidget* parent = nullptr);
    ~TNumora() override;

    double Value() const;
    void SetValue(double value);
    TDisplay DisplayType() const;
    void SetDisplayType(TDisplay type);
    int Precision() const;
    // negative values are ignored, values above 15 stored as 15
    void SetPrecision(int precision);
    bool Comma() const;
    void SetComma(bool comma);
    bool ForcePlusSign() const;
    void SetForcePlusSign(bool force);
    bool Empty() const;
    void SetEmpty(bool empty);
    QString OverflowIndicator() const;
    void SetOverflowIndicator(const QString& text);
    QString StateText() const;
    void SetStateText(const QString& text);
    QString DTFormat() const;
    void SetDTFormat(const QString& format);
    QString LeftText() const;
    void SetLeftText(const QString& text);
    QString RightText() const;
    void SetRightText(const QString& text);
    // x of the box's left edge; negative values are ignored, values beyond the width stored as the width
    int LeftSpace() const;
    void SetLeftSpace(int space);
    int LabelWidth() const;
    void SetLabelWidth(int width);
    TAlignment Alignment() const;
    void SetAlignment(TAlignment alignment);
    TAlignment LeftTextAlignment() const;
    void SetLeftTextAlignment(TAlignment alignment);
    TAlignment RightTextAlignment() const;
    void SetRightTextAlignment(TAlignment alignment);
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle style);
    // csBWG: grey and white frame lines; csSystem: the system's button shadow and highlight
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme scheme);
    TColor ColorLabBakG() const;
    void SetColorLabBakG(TColor color);
    void SetColorLabBakG(const QtColor auto& color) { SetColorLabBakG(ToColor(color)); }
    TColor ColorLabText() const;
    void SetColorLabText(TColor color);
    void SetColorLabText(const QtColor auto& color) { SetColorLabText(ToColor(color)); }
    TColor ColorOutBakG() const;
    void SetColorOutBakG(TColor color);
    void SetColorOutBakG(const QtColor auto& color) { SetColorOutBakG(ToColor(color)); }
    TColor ColorOutText() const;
    void SetColorOutText(TColor color);
    void SetColorOutText(const QtColor auto& color) { SetColorOutText(ToColor(color)); }

    // Font, ParentFont, ShowHint, ParentShowHint, PopupMenu and Align: the controls' shared ones
    using TPaintedControl::Align;
    using TPaintedControl::Font;
    using TPaintedControl::ParentFont;
    using TPaintedControl::ParentShowHint;
    using TPaintedControl::PopupMenu;
    using TPaintedControl::SetAlign;
    using TPaintedControl::SetFont;
    using TPaintedControl::SetParentFont;
    using TPaintedControl::SetParentShowHint;
    using TPaintedControl::SetPopupMenu;
    using TPaintedControl::SetShowHint;
    using TPaintedControl::ShowHint;

    // Showing the control again paints what changed while it was hidden.
    void SetVisible(bool visible);

    // The frame-line colours of the 3-D styles (set by ColorScheme, copied by Assign).
    TColor FrameDarkColor() const;
    TColor FrameLightColor() const;
    TColor FrameDeepColor() const;

    // Copies the display settings of another numeric label (not Comma, ForcePlusSign, DTFormat,
    // Font or the events), then repaints. Any other kind of source raises EVexaError.
    void Assign(const QObject* source);

    // The text the box shows for the current settings, before OnBeforeDisplay and the width rule.
    QString DisplayText() const;
    // The number's text as the last painting drew it: after OnBeforeDisplay and the width rule
    // (the overflow indicator when the number did not fit); empty for an Empty label.
    QString DrawnText() const;

    // The sample whose height places every text: tall letters, descenders and accents.
    static QString SampleText();

    TBeforeDisplayEvent OnBeforeDisplay;

protected:
    void Paint() override;
    void BoundsChanged() override;
    void Loaded() override;
    // repaints now, or once the form has been read (Loaded paints)
    void PropertyChanged() override;

private:
    friend class TNumoraPrivate;
    std::unique_ptr<TNumoraPrivate> const d;
};
