// SPDX-License-Identifier: MIT
#pragma once
/// @file
/// The numeric label TNumora and the type of its event.

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

class QPainter;
class TNumoraPrivate;

/// Called with the text just before it is measured and drawn; it may change the text.
using TBeforeDisplayEvent = std::function<void(QObject* Sender, QString& Text)>;

/// TNumora: a number in a framed box, a descriptive text on its left and a unit text on its right
/// ("Mass", a box showing 10.0, "[kg]"). Every setter that changes a value repaints at once; a text
/// too wide for the box, or a value the format cannot show, gives way to the overflow indicator.
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
    static constexpr int DefaultWidth = 160;  ///< the width of a new label, in pixels
    static constexpr int DefaultHeight = 28;  ///< the height of a new label, in pixels
    /// The size a new label takes, and offers to layouts.
    QSize sizeHint() const override { return {DefaultWidth, DefaultHeight}; }

    /// A label of the default size showing 0 with two decimals (dtFixP), centred in a lowered box
    /// 80 pixels wide that starts 35 pixels from the left, black on the button face colour.
    explicit TNumora(QWidget* parent = nullptr);
    /// Destroys the label.
    ~TNumora() override;

    /// The value shown (0 as built).
    double Value() const;
    /// Sets the value shown.
    void SetValue(double value);
    /// The format the value is written in (dtFixP as built).
    TDisplay DisplayType() const;
    /// Sets the format the value is written in.
    void SetDisplayType(TDisplay type);
    /// Decimals, significant digits or digit count, as the format says (2 as built; see TDisplay).
    int Precision() const;
    /// Sets the precision; negative values are ignored, values above 15 stored as 15.
    void SetPrecision(int precision);
    /// Whether numbers are written with a decimal comma instead of the point, whatever the system's
    /// locale (false as built). The hexadecimal, binary, date and state formats keep their text.
    bool Comma() const;
    /// Switches the decimal comma.
    void SetComma(bool comma);
    /// Whether a positive value is written with a plus sign (false as built); not in the
    /// hexadecimal, binary, date and state formats.
    bool ForcePlusSign() const;
    /// Switches the plus sign of positive values.
    void SetForcePlusSign(bool force);
    /// Whether the box stays empty, without a number (false as built).
    bool Empty() const;
    /// Empties the box, or shows the number again.
    void SetEmpty(bool empty);
    /// The text shown instead of a number too wide for the box or outside the format's range
    /// ("*********" as built).
    QString OverflowIndicator() const;
    /// Sets the overflow indicator.
    void SetOverflowIndicator(const QString& text);
    /// The text of the dtState format ("undefined" as built).
    QString StateText() const;
    /// Sets the text of the dtState format.
    void SetStateText(const QString& text);
    /// The pattern of the dtDateTime format ("mmm-dd, yyyy" as built): d, m, y for day, month and
    /// year, h, n, s, z for hours, minutes, seconds and milliseconds, am/pm for the 12-hour clock,
    /// quoted text as it stands.
    QString DTFormat() const;
    /// Sets the pattern of the dtDateTime format.
    void SetDTFormat(const QString& format);
    /// The text left of the box (empty as built), in ColorOutText.
    QString LeftText() const;
    /// Sets the text left of the box.
    void SetLeftText(const QString& text);
    /// The text right of the box (empty as built), in ColorOutText.
    QString RightText() const;
    /// Sets the text right of the box.
    void SetRightText(const QString& text);
    /// The x of the box's left edge, in pixels (35 as built): the room of the left text.
    int LeftSpace() const;
    /// Sets the x of the box's left edge; negative values are ignored, values beyond the width
    /// stored as the width.
    void SetLeftSpace(int space);
    /// The box's width in pixels, without its frame (80 as built); a number wider than
    /// LabelWidth - 6 pixels gives way to the overflow indicator.
    int LabelWidth() const;
    /// Sets the box's width; the value is kept as given.
    void SetLabelWidth(int width);
    /// Where the number stands in the box (taCenter as built).
    TAlignment Alignment() const;
    /// Sets where the number stands in the box.
    void SetAlignment(TAlignment alignment);
    /// Where the left text stands in its room (taRightJustify as built: 5 pixels before the box).
    TAlignment LeftTextAlignment() const;
    /// Sets where the left text stands.
    void SetLeftTextAlignment(TAlignment alignment);
    /// Where the right text stands in its room (taLeftJustify as built: just after the box).
    TAlignment RightTextAlignment() const;
    /// Sets where the right text stands.
    void SetRightTextAlignment(TAlignment alignment);
    /// The box's frame (fsLowered as built).
    TFrameStyle FrameStyle() const;
    /// Sets the box's frame.
    void SetFrameStyle(TFrameStyle style);
    /// csBWG: grey and white frame lines; csSystem: the system's button shadow and highlight
    /// (csBWG as built).
    TColorScheme ColorScheme() const;
    /// Sets the colour scheme; a change sets FrameDarkColor and FrameLightColor.
    void SetColorScheme(TColorScheme scheme);
    /// The box's fill (0x00BBGGRR; the button face colour as built).
    TColor ColorLabBakG() const;
    /// Sets the box's fill.
    void SetColorLabBakG(TColor color);
    /// Sets the box's fill from a Qt colour.
    void SetColorLabBakG(const QtColor auto& color) { SetColorLabBakG(ToColor(color)); }
    /// The number's colour (0x00BBGGRR; black as built).
    TColor ColorLabText() const;
    /// Sets the number's colour.
    void SetColorLabText(TColor color);
    /// Sets the number's colour from a Qt colour.
    void SetColorLabText(const QtColor auto& color) { SetColorLabText(ToColor(color)); }
    /// The fill around the box (0x00BBGGRR; the button face colour as built).
    TColor ColorOutBakG() const;
    /// Sets the fill around the box.
    void SetColorOutBakG(TColor color);
    /// Sets the fill around the box from a Qt colour.
    void SetColorOutBakG(const QtColor auto& color) { SetColorOutBakG(ToColor(color)); }
    /// The colour of the left and right texts (0x00BBGGRR; black as built).
    TColor ColorOutText() const;
    /// Sets the colour of the left and right texts.
    void SetColorOutText(TColor color);
    /// Sets the colour of the left and right texts from a Qt colour.
    void SetColorOutText(const QtColor auto& color) { SetColorOutText(ToColor(color)); }

    /// @name Font, ParentFont, ShowHint, ParentShowHint, PopupMenu and Align: the controls' shared ones
    ///@{

    using TPaintedControl::Align;              ///< The docking to an edge of the parent.
    using TPaintedControl::Font;               ///< The font of every text of the label.
    using TPaintedControl::ParentFont;         ///< Whether the font follows the form's.
    using TPaintedControl::ParentShowHint;     ///< Whether the ancestor's ShowHint decides.
    using TPaintedControl::PopupMenu;          ///< The menu a right click opens; not owned.
    using TPaintedControl::SetAlign;           ///< Docks the label to an edge of its parent.
    using TPaintedControl::SetFont;            ///< Copies the settings of a font into the label's.
    using TPaintedControl::SetParentFont;      ///< Lets the font follow the form's, or not.
    using TPaintedControl::SetParentShowHint;  ///< Lets the ancestor's ShowHint decide, or not.
    using TPaintedControl::SetPopupMenu;       ///< Sets the menu a right click opens.
    using TPaintedControl::SetShowHint;        ///< Switches the tool tips.
    using TPaintedControl::ShowHint;           ///< Whether tool tips (Hint) appear.
    ///@}

    /// Shows or hides the label. Showing the control again paints what changed while it was hidden.
    void SetVisible(bool visible);

    /// @name The frame-line colours of the 3-D styles (set by ColorScheme, copied by Assign)
    ///@{

    /// The dark line (0x808080, grey, as built; the button shadow colour with csSystem).
    TColor FrameDarkColor() const;
    /// The light line (white as built; the button highlight colour with csSystem).
    TColor FrameLightColor() const;
    /// The deep line of the lowered and raised styles (black).
    TColor FrameDeepColor() const;
    ///@}

    /// Copies the display settings of another numeric label (not Comma, ForcePlusSign, DTFormat,
    /// Font or the events), then repaints. Any other kind of source raises EVexaError.
    void Assign(const QObject* source);

    /// The text the box shows for the current settings, before OnBeforeDisplay and the width rule.
    QString DisplayText() const;
    /// The number's text as the last painting drew it: after OnBeforeDisplay and the width rule
    /// (the overflow indicator when the number did not fit); empty for an Empty label.
    QString DrawnText() const;

    /// Draws the label onto an active painter as vectors (a PDF, an SVG, a printer): the box and
    /// its lines as shapes, the texts as texts, at the places of its picture, one unit of the
    /// painter a pixel, from (0, 0) to (width, height), hidden or not. The painter's state is as it
    /// was afterwards; a label that is loading or has no size draws nothing.
    void ToPainter(QPainter& painter);

    /// The sample whose height places every text: tall letters, descenders and accents.
    static QString SampleText();

    /// Called with the number's text before each painting draws it (see TBeforeDisplayEvent).
    TBeforeDisplayEvent OnBeforeDisplay;

protected:
    /// Draws the whole label off-screen and copies it onto the picture in one step; a hidden label
    /// is not drawn, except while its form is designed.
    void Paint() override;
    /// Repaints for the new size.
    void BoundsChanged() override;
    /// The form has been read: the font follows its ancestor again, and the label paints.
    void Loaded() override;
    /// Repaints now, or once the form has been read (Loaded paints).
    void PropertyChanged() override;

private:
    friend class TNumoraPrivate;
    std::unique_ptr<TNumoraPrivate> const d;
};
