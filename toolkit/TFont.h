// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QObject>
#include <functional>

#include "TColor.h"
#include "gravilo_toolkit_export.h"

/// A font as the components keep it: family name, pixel height, style and colour. Texts are drawn
/// in the font's colour. The forms name Windows fonts; the Liberation fonts stand in for them.
class GRAVILO_TOOLKIT_EXPORT TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool Bold READ Bold WRITE SetBold)
    Q_PROPERTY(bool Italic READ Italic WRITE SetItalic)
    Q_PROPERTY(bool Underline READ Underline WRITE SetUnderline)
    Q_PROPERTY(bool StrikeOut READ StrikeOut WRITE SetStrikeOut)
public:
    /// The family name of a new font.
    static constexpr const char* DefaultName = "MS Sans Serif";
    /// The character cell height of a new font, in pixels.
    static constexpr int DefaultHeight = 11;

    /// A font of DefaultName and DefaultHeight in clWindowText, no style set.
    explicit TFont(QObject* parent = nullptr);

    /// The family name, as the forms name it (a Windows font name is substituted when drawn).
    QString Name() const { return FName; }
    /// Sets the family name; a change notifies.
    void SetName(const QString& name);
    /// character cell height in pixels
    int Height() const { return FHeight; }
    /// Sets the character cell height in pixels; a change notifies. A height below 1 is drawn at 1.
    void SetHeight(int height);
    /// The colour texts are drawn in.
    TColor Color() const { return FColor; }
    /// Sets the colour texts are drawn in; a change notifies.
    void SetColor(TColor color);
    /// Sets the colour a QColor or a Qt::GlobalColor names.
    void SetColor(const QtColor auto& color) { SetColor(ToColor(color)); }
    /// Whether the font is bold.
    bool Bold() const { return FBold; }
    /// Sets Bold; a change notifies.
    void SetBold(bool b);
    /// Whether the font is italic.
    bool Italic() const { return FItalic; }
    /// Sets Italic; a change notifies.
    void SetItalic(bool b);
    /// Whether texts are underlined.
    bool Underline() const { return FUnderline; }
    /// Sets Underline; a change notifies.
    void SetUnderline(bool b);
    /// Whether texts are struck out.
    bool StrikeOut() const { return FStrikeOut; }
    /// Sets StrikeOut; a change notifies.
    void SetStrikeOut(bool b);

    /// Copies every setting of the other font, then notifies once (also when nothing differed);
    /// assigning the font itself does nothing.
    void Assign(const TFont& other);
    /// true when every setting equals the other font's.
    bool SameAs(const TFont& other) const;

    /// The Qt font to draw with: pixel-sized, not antialiased, family substituted.
    const QFont& ToQFont() const;

    /// Called after every change (the owner repaints).
    std::function<void(TFont*)> OnChange;

signals:
    /// Emitted after every change, after OnChange.
    void Changed();

private:
    void Notify();
    QString FName = QString::fromLatin1(DefaultName);
    int FHeight = DefaultHeight;
    TColor FColor = clWindowText;
    bool FBold = false;
    bool FItalic = false;
    bool FUnderline = false;
    bool FStrikeOut = false;
    mutable QFont FQFont;
    mutable bool FQFontValid = false;
};

/// A Qt font from a name and pixel height, with the substitutions and rendering the suite uses: the
/// Windows fonts of the forms drawn in Liberation fonts, glyphs not antialiased, fully hinted and
/// not kerned. A height below 1 gives 1.
GRAVILO_TOOLKIT_EXPORT QFont MakeQFont(const QString& name, int pixelHeight, bool bold = false,
                                       bool italic = false, bool underline = false, bool strikeOut = false);
