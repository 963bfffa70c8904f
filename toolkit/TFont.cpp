// SPDX-License-Identifier: MIT
#include "TFont.h"

#include <mutex>

namespace {

void InstallSubstitutions() {
    static std::once_flag once;
    std::call_once(once, [] {
        // the forms' Windows fonts; Arial and Courier New are mapped by fontconfig already
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    });
}

}  // namespace

QFont MakeQFont(const QString& name, int pixelHeight, bool bold, bool italic, bool underline,
                bool strikeOut) {
    InstallSubstitutions();
    QFont f(name);
    f.setPixelSize(pixelHeight > 0 ? pixelHeight : 1);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikeOut);
    // crisp glyphs: text positions and pixels stay the same on every machine
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    return f;
}

TFont::TFont(QObject* parent) : QObject(parent) {}

void TFont::Notify() {
    FQFontValid = false;
    if (OnChange) OnChange(this);
    emit Changed();
}

void TFont::SetName(const QString& name) {
    if (name == FName) return;
    FName = name;
    Notify();
}

void TFont::SetHeight(int height) {
    if (height == FHeight) return;
    FHeight = height;
    Notify();
}

void TFont::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Notify();
}

void TFont::SetBold(bool b) {
    if (b == FBold) return;
    FBold = b;
    Notify();
}

void TFont::SetItalic(bool b) {
    if (b == FItalic) return;
    FItalic = b;
    Notify();
}

void TFont::SetUnderline(bool b) {
    if (b == FUnderline) return;
    FUnderline = b;
    Notify();
}

void TFont::SetStrikeOut(bool b) {
    if (b == FStrikeOut) return;
    FStrikeOut = b;
    Notify();
}

bool TFont::SameAs(const TFont& o) const {
    return FName == o.FName && FHeight == o.FHeight && FColor == o.FColor && FBold == o.FBold &&
           FItalic == o.FItalic && FUnderline == o.FUnderline && FStrikeOut == o.FStrikeOut;
}

void TFont::Assign(const TFont& o) {
    if (&o == this) return;
    FName = o.FName;
    FHeight = o.FHeight;
    FColor = o.FColor;
    FBold = o.FBold;
    FItalic = o.FItalic;
    FUnderline = o.FUnderline;
    FStrikeOut = o.FStrikeOut;
    Notify();
}

const QFont& TFont::ToQFont() const {
    if (!FQFontValid) {
        FQFont = MakeQFont(FName, FHeight, FBold, FItalic, FUnderline, FStrikeOut);
        FQFontValid = true;
    }
    return FQFont;
}
