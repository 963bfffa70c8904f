// SPDX-License-Identifier: MIT
#pragma once
// The marked texts ("GL_...") that a dictionary's form walks replaced, kept so that the forms can
// be translated again in another language: Restore puts every kept text back as it was before the
// first walk, and the next walk translates them anew. Attach it before the first walk.

#include <QByteArray>
#include <QPointer>
#include <QVariant>
#include <memory>
#include <vector>

class TGlossator;

class TKeptTexts {
public:
    // Keeps the texts the dictionary's walks replace from now on, each property once: the text it
    // had before the first walk. The keeper may go before the dictionary.
    static std::shared_ptr<TKeptTexts> Attach(TGlossator& dictionary);

    void Keep(QObject* object, const char* property, const QVariant& original);
    // Writes every kept text back; objects that have gone since are passed over.
    void Restore() const;
    qsizetype Count() const { return qsizetype(FKept.size()); }

private:
    struct TKept {
        QPointer<QObject> Object;
        QByteArray Property;
        QVariant Original;
    };
    std::vector<TKept> FKept;
};
