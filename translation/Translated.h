// SPDX-License-Identifier: MIT
#pragma once
// The texts a program shows from its dictionary, with or without one: the translation of the key,
// "<%1%>", "<%2%>", ... filled by the arguments; without a dictionary (none loaded yet, or gone
// with the host link) the key's own text, filled the same way, as a key without an entry shows.

#include <QString>
#include <QStringList>

class TGlossator;

QString Translated(TGlossator* dictionary, const QString& key, const QStringList& arguments = {});
QString Translated(TGlossator* dictionary, const char* key, const QStringList& arguments = {});
