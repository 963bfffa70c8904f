// SPDX-License-Identifier: MIT
#pragma once
// A font as the components keep it: family name, pixel height, style and colour. Texts are drawn
// in the font's colour. The forms name Windows fonts; the Liberation fonts stand in for them.

#include <QFont>
#include <QObject>
#include <functional>

#include "TColor.h"
#include "gravilo_toolkit_export.h"

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
    static constexpr const char* DefaultName = "MS Sans Serif";
    static constexpr int DefaultHeight = 11;

    explicit TFont(QObject* parent = nullptr);

    QString Name() const { return FName; }
    void SetName(const QString& name);
    // character cell height in pixels
    int Height() const { return FHeight; }
    void SetHeight(int height);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    void SetColor(const QtColor auto& color) { SetColor(ToColor(color)); }
    bool Bold() const { return FBold; }
    void SetBold(bool b);
    bool Italic() const { return FItalic; }
    void SetItalic(bool b);
    bool Underline() const { return FUnderline; }
    void SetUnderline(bool b);
    bool StrikeOut() const { return FStrikeOut; }
    void SetStrikeOut(bool b);

    // Copies every setting of the other font, then notifies once.
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;

    // The Qt font to draw with: pixel-sized, not antialiased, family substituted.
    const QFont& ToQFont() const;

    // Called after every change (the owner repaints).
    std::function<void(TFont*)> OnChange;

signals:
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

// A Qt font from a name and pixel height, with the substitutions and rendering the suite uses.
GRAVILO_TOOLKIT_EXPORT QFont MakeQFont(const QString& name, int pixelHeight, bool bold = false,
                                       bool italic = false, bool underline = false, bool strikeOut = false);
