#pragma once
// Published properties read and written by name through Qt's meta-object system: the run-time
// type information the form walk and the script mode rely on. Published means every Q_PROPERTY
// of the object's class and its bases.

#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QStringList>
#include <QVariant>

enum class TPropKind { String, StringList, Object, Integer, Float, Boolean, Enumeration, Other };

struct TPropInfo {
    QByteArray Name;
    TPropKind Kind;
    bool Writable;
    QMetaProperty Meta;
    // declared by one of Qt's own classes (objectName, windowTitle, toolTip, ...), not by the
    // suite's: a component's texts are its own properties (Caption, Hint), whose setters hand them
    // on to Qt as the component shows them
    bool FromQt;
};

TPropKind PropertyKind(const QMetaProperty& property);

// All published properties, those of the base classes first, in declaration order.
QList<TPropInfo> PublishedProperties(const QObject* object);

bool HasProperty(const QObject* object, const char* name);
// The value, or an invalid QVariant when there is no such property.
QVariant GetPropValue(const QObject* object, const char* name);
// false when there is no such property, it is read-only or the value does not convert.
bool SetPropValue(QObject* object, const char* name, const QVariant& value);

QString GetStrProp(const QObject* object, const char* name);
bool SetStrProp(QObject* object, const char* name, const QString& value);
QStringList GetStringListProp(const QObject* object, const char* name);
bool SetStringListProp(QObject* object, const char* name, const QStringList& value);
// The object an object-valued property refers to, or nullptr.
QObject* GetObjectProp(const QObject* object, const char* name);
