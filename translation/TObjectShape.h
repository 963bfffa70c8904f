// SPDX-License-Identifier: MIT
#pragma once
// What the form walk needs to know about an object, read from its class chain in Qt's meta-object
// information, so the dictionary needs no link to the libraries that define those classes. A class
// name matches with or without its namespace.

#include <QList>
#include <QObject>
#include <QPointer>

class TObjectShape {
public:
    // The object's class is the named class or derives from it.
    static bool InheritsClass(const QObject* object, const char* className);

    static bool IsCollection(const QObject* object) { return InheritsClass(object, "TCollection"); }
    static bool IsScaleProps(const QObject* object) { return InheritsClass(object, "TScaleProps"); }

    // The items of a collection, by its invokable Count() and Item(int); empty when it has neither.
    // Guarded, since translating one item may destroy another.
    static QList<QPointer<QObject>> CollectionItems(QObject* collection);
};
