// SPDX-License-Identifier: MIT
#include "Translated.h"

#include "TGlossator.h"

QString Translated(TGlossator* dictionary, const QString& key, const QStringList& arguments) {
    if (dictionary) return dictionary->TranslateText(key, arguments);
    QString text = key;
    for (int i = 0; i < arguments.size(); ++i)
        text.replace(QStringLiteral("<%") + QString::number(i + 1) + QStringLiteral("%>"), arguments[i]);
    return text;
}

QString Translated(TGlossator* dictionary, const char* key, const QStringList& arguments) {
    return Translated(dictionary, QString::fromUtf8(key), arguments);
}
