// SPDX-License-Identifier: MIT
#include "TPluralRule.h"

#include <QByteArrayView>
#include <algorithm>
#include <limits>

namespace {

constexpr int KMaxDepth = 64;
constexpr qsizetype KMaxLength = 1024;

// Reads and computes the expression in one pass; a branch of ?: that is not taken is read all the
// same, to find where it ends. Failed is set on any fault and stays set.
class TEvaluator {
public:
    TEvaluator(QByteArrayView text, qint64 n) : FText(text), FN(n) {}

    bool Run(qint64& result) {
        result = Conditional(0);
        Skip();
        return !FFailed && FAt == FText.size();
    }

private:
    void Skip() {
        while (FAt < FText.size() && (FText[FAt] == ' ' || FText[FAt] == '\t')) ++FAt;
    }
    bool Take(QByteArrayView token) {
        Skip();
        if (!FText.sliced(FAt).startsWith(token)) return false;
        FAt += token.size();
        return true;
    }
    bool Deep(int depth) {
        if (depth > KMaxDepth) FFailed = true;
        return FFailed;
    }

    qint64 Conditional(int depth) {
        if (Deep(depth)) return 0;
        const qint64 condition = Or(depth + 1);
        if (!Take("?")) return condition;
        const qint64 yes = Conditional(depth + 1);
        if (!Take(":")) FFailed = true;
        const qint64 no = Conditional(depth + 1);
        return condition ? yes : no;
    }
    qint64 Or(int depth) {
        qint64 value = And(depth);
        while (!FFailed && Take("||")) value = And(depth) || value;
        return value;
    }
    qint64 And(int depth) {
        qint64 value = Equality(depth);
        while (!FFailed && Take("&&")) value = Equality(depth) && value;
        return value;
    }
    qint64 Equality(int depth) {
        qint64 value = Relation(depth);
        for (;;) {
            if (Take("=="))
                value = value == Relation(depth);
            else if (Take("!="))
                value = value != Relation(depth);
            else
                return value;
        }
    }
    qint64 Relation(int depth) {
        qint64 value = Sum(depth);
        for (;;) {
            if (Take("<="))
                value = value <= Sum(depth);
            else if (Take(">="))
                value = value >= Sum(depth);
            else if (Take("<"))
                value = value < Sum(depth);
            else if (Take(">"))
                value = value > Sum(depth);
            else
                return value;
        }
    }
    qint64 Sum(int depth) {
        qint64 value = Product(depth);
        for (;;) {
            if (Take("+"))
                value = qint64(quint64(value) + quint64(Product(depth)));
            else if (Take("-"))
                value = qint64(quint64(value) - quint64(Product(depth)));
            else
                return value;
        }
    }
    qint64 Product(int depth) {
        qint64 value = Unary(depth);
        for (;;) {
            if (Take("*")) {
                value = qint64(quint64(value) * quint64(Unary(depth)));
            } else if (Take("/") || Take("%")) {
                const bool division = FText[FAt - 1] == '/';
                const qint64 by = Unary(depth);
                // nothing divided by zero, nor the one quotient that overflows
                if (by == 0 || (by == -1 && value == std::numeric_limits<qint64>::min()))
                    value = 0;
                else
                    value = division ? value / by : value % by;
            } else {
                return value;
            }
        }
    }
    qint64 Unary(int depth) {
        if (Deep(depth)) return 0;
        if (Take("!")) return !Unary(depth + 1);
        if (Take("(")) {
            const qint64 value = Conditional(depth + 1);
            if (!Take(")")) FFailed = true;
            return value;
        }
        if (Take("n")) return FN;
        Skip();
        qint64 value = 0;
        const qsizetype start = FAt;
        while (FAt < FText.size() && FText[FAt] >= '0' && FText[FAt] <= '9' && FAt - start < 18)
            value = value * 10 + (FText[FAt++] - '0');
        if (FAt == start) FFailed = true;
        return value;
    }

    QByteArrayView FText;
    qsizetype FAt = 0;
    qint64 FN;
    bool FFailed = false;
};

// The value after "name=" up to the next ";" (or the end), trimmed; empty when name is absent.
QByteArray Field(const QByteArray& header, const char* name) {
    const qsizetype at = header.indexOf(name);
    if (at < 0) return {};
    const qsizetype from = at + qsizetype(qstrlen(name));
    const qsizetype end = header.indexOf(';', from);
    return header.mid(from, end < 0 ? -1 : end - from).trimmed();
}

}  // namespace

TPluralRule::TPluralRule(const QByteArray& header) {
    bool counted = false;
    const int count = Field(header, "nplurals=").toInt(&counted);
    const QByteArray expression = Field(header, "plural=");
    qint64 probe = 0;
    if (!counted || count < 1 || count > 6 || expression.isEmpty() || expression.size() > KMaxLength ||
        !TEvaluator(expression, 1).Run(probe)) {
        FValid = false;
        return;
    }
    FExpression = expression;
    FCount = count;
}

int TPluralRule::FormFor(qint64 n) const {
    qint64 form = 0;
    if (!TEvaluator(FExpression, n).Run(form)) return 0;
    return int(std::clamp<qint64>(form, 0, FCount - 1));
}
