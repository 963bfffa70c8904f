// SPDX-License-Identifier: MIT
#pragma once
// Which plural form a number takes in a language, in the notation translators know from gettext's
// "Plural-Forms" header: "nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 &&
// (n%100<10 || n%100>=20) ? 1 : 2);". The expression is C's integer arithmetic on n: ?:, ||, &&,
// ==, !=, <, <=, >, >=, +, -, *, /, %, !, parentheses and decimal numbers. A rule that cannot be
// read (or nests deeper than a person would write) is English's: two forms, the second for every
// n but 1.

#include <QByteArray>

class TPluralRule {
public:
    TPluralRule() = default;
    explicit TPluralRule(const QByteArray& header);

    bool IsValid() const { return FValid; }
    int Count() const { return FCount; }
    // The form for n: 0 .. Count() - 1.
    int FormFor(qint64 n) const;

private:
    QByteArray FExpression = "n != 1";
    int FCount = 2;
    bool FValid = true;
};
