// SPDX-License-Identifier: MIT
#include "TObjectShape.h"

#include <QMetaObject>
#include <cstring>

namespace {

bool SameClassName(const char* qualified, const char* name) {
    if (std::strcmp(qualified, name) == 0) return true;
    const char* last = std::strrchr(qualified, ':');
    return last && std::strcmp(last + 1, name) == 0;
}

}  // namespace

bool TObjectShape::InheritsClass(const QObject* object, const char* className) {
    if (!object) return false;
    for (const QMetaObject* meta = object->metaObject(); meta; meta = meta->superClass())
        if (SameClassName(meta->className(), className)) return true;
    return false;
}

QList<QPointer<QObject>> TObjectShape::CollectionItems(QObject* collection) {
    QList<QPointer<QObject>> items;
    int count = 0;
    if (!QMetaObject::invokeMethod(collection, "Count", Qt::DirectConnection, Q_RETURN_ARG(int, count)))
        return items;
    for (int i = 0; i < count; ++i) {
        QObject* item = nullptr;
        if (!QMetaObject::invokeMethod(collection, "Item", Qt::DirectConnection, Q_RETURN_ARG(QObject*, item),
                                       Q_ARG(int, i)))
            break;
        items.append(item);
    }
    return items;
}
