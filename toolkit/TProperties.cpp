// SPDX-License-Identifier: MIT
#include "TProperties.h"

#include <QMetaObject>
#include <QMetaType>

TPropKind PropertyKind(const QMetaProperty& property) {
    if (property.isEnumType() || property.isFlagType()) return TPropKind::Enumeration;
    const QMetaType type = property.metaType();
    switch (type.id()) {
        case QMetaType::QString:
            return TPropKind::String;
        case QMetaType::QStringList:
            return TPropKind::StringList;
        case QMetaType::Bool:
            return TPropKind::Boolean;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return TPropKind::Integer;
        case QMetaType::Double:
        case QMetaType::Float:
            return TPropKind::Float;
        default:
            break;
    }
    if (type.flags().testFlag(QMetaType::PointerToQObject)) return TPropKind::Object;
    return TPropKind::Other;
}

QList<TPropInfo> PublishedProperties(const QObject* object) {
    QList<TPropInfo> result;
    if (!object) return result;
    const QMetaObject* meta = object->metaObject();
    // Qt's classes are the bases of ours, so their properties come first
    const QMetaObject* qt = meta;
    while (qt && qt->className()[0] != 'Q') qt = qt->superClass();
    const int fromQt = qt ? qt->propertyCount() : 0;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        result.push_back({QByteArray(p.name()), PropertyKind(p), p.isWritable(), p, i < fromQt});
    }
    return result;
}

namespace {
QMetaProperty FindProperty(const QObject* object, const char* name) {
    if (!object) return {};
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfProperty(name);
    return index < 0 ? QMetaProperty() : meta->property(index);
}
}  // namespace

bool HasProperty(const QObject* object, const char* name) {
    return FindProperty(object, name).isValid();
}

QVariant GetPropValue(const QObject* object, const char* name) {
    const QMetaProperty p = FindProperty(object, name);
    return p.isValid() ? p.read(object) : QVariant();
}

namespace {
// Writes the value; an enumeration takes only a number that is one of its values (Qt's own
// conversion would store any number, which no code of the component expects).
bool Write(const QMetaProperty& p, QObject* object, const QVariant& value) {
    if (p.isEnumType() && value.typeId() != QMetaType::QString && value.typeId() != QMetaType::QByteArray &&
        value.metaType() != p.metaType()) {
        bool ok = false;
        const int v = value.toInt(&ok);
        const QMetaEnum e = p.enumerator();
        if (!ok ||
            (e.isFlag() ? v != 0 && e.keysToValue(e.valueToKeys(v).constData()) != v : !e.valueToKey(v)))
            return false;
        return p.write(object, v);
    }
    return p.write(object, value);
}
}  // namespace

bool SetPropValue(QObject* object, const char* name, const QVariant& value) {
    const QMetaProperty p = FindProperty(object, name);
    if (!p.isValid() || !p.isWritable()) return false;
    return Write(p, object, value);
}

namespace {
// The part a path leads to, and the name of the setting there.
QObject* PartOnPath(const QObject* object, const QByteArray& path, QByteArray& setting) {
    const QList<QByteArray> steps = path.split('.');
    QObject* part = const_cast<QObject*>(object);
    for (qsizetype i = 0; part && i + 1 < steps.size(); ++i) part = GetObjectProp(part, steps[i].constData());
    setting = steps.last();
    return part;
}
}  // namespace

QVariant GetPropPath(const QObject* object, const QByteArray& path) {
    QByteArray setting;
    const QObject* part = PartOnPath(object, path, setting);
    return GetPropValue(part, setting.constData());
}

bool IsColourSetting(const QMetaProperty& setting) {
    return setting.metaType().id() == QMetaType::UInt && QByteArray(setting.name()).contains("Color");
}

bool SetPropPath(QObject* object, const QByteArray& path, const QVariant& value) {
    QByteArray setting;
    object = PartOnPath(object, path, setting);
    const QMetaProperty p = FindProperty(object, setting.constData());
    if (!p.isValid() || !p.isWritable()) return false;
    const bool named = value.typeId() == QMetaType::QByteArray || value.typeId() == QMetaType::QString;
    if (p.isEnumType() && named) {
        bool known = false;
        const int v = p.enumerator().keyToValue(value.toByteArray().trimmed().constData(), &known);
        return known && p.write(object, v);
    }
    // a number written as text (a form's "0x00E0E0FF", "1e-10"): all of it a number, or refused,
    // never the 0 a failed conversion would give
    if (named) {
        const QByteArray text = value.toByteArray().trimmed();
        bool ok = false;
        switch (p.metaType().id()) {
            case QMetaType::UInt: {
                const uint v = text.toUInt(&ok, 0);
                return ok && p.write(object, v);
            }
            case QMetaType::Int: {
                const int v = text.toInt(&ok, 0);
                return ok && p.write(object, v);
            }
            case QMetaType::Double: {
                const double v = text.toDouble(&ok);
                return ok && p.write(object, v);
            }
            default:
                break;
        }
    }
    return Write(p, object, value);
}

QString GetStrProp(const QObject* object, const char* name) {
    return GetPropValue(object, name).toString();
}

bool SetStrProp(QObject* object, const char* name, const QString& value) {
    return SetPropValue(object, name, QVariant(value));
}

QStringList GetStringListProp(const QObject* object, const char* name) {
    return GetPropValue(object, name).toStringList();
}

bool SetStringListProp(QObject* object, const char* name, const QStringList& value) {
    return SetPropValue(object, name, QVariant(value));
}

QObject* GetObjectProp(const QObject* object, const char* name) {
    const QMetaProperty p = FindProperty(object, name);
    if (!p.isValid() || PropertyKind(p) != TPropKind::Object) return nullptr;
    return p.read(object).value<QObject*>();
}
