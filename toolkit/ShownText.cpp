// SPDX-License-Identifier: MIT
#include "ShownText.h"

#include <QTextDocument>

namespace ShownText {

QString Bounded(const QString& text) {
    if (text.size() <= MaxLength) return text;
    qsizetype length = MaxLength;
    if (text.at(length - 1).isHighSurrogate()) --length;
    return text.left(length);
}

QString ToolTip(const QString& text) {
    const QString bounded = Bounded(text);
    if (!Qt::mightBeRichText(bounded)) return bounded;
    // kept on its lines as a plain tip keeps it
    return QStringLiteral("<p style='white-space:pre'>") + bounded.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace ShownText
