// SPDX-License-Identifier: MIT
#pragma once
// Published properties read and written by name through Qt's meta-object system: the run-time
// type information the form walk and the script mode rely on. Published means every Q_PROPERTY
// of the object's class and its bases.

#include <QList>
#include <QMetaProperty>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include "gravilo_toolkit_export.h"

enum class TPropKind { String, StringList, Object, Integer, Float, Boolean, Enumeration, Other };

struct GRAVILO_TOOLKIT_INNER_EXPORT TPropInfo {
    QByteArray Name;
    TPropKind Kind;
    bool Writable;
    QMetaProperty Meta;
    // declared by one of Qt's own classes (objectName, windowTitle, toolTip, ...), not by the
    // suite's: a component's texts are its own properties (Caption, Hint), whose setters hand them
    // on to Qt as the component shows them
    bool FromQt;
};

GRAVILO_TOOLKIT_INNER_EXPORT TPropKind PropertyKind(const QMetaProperty& property);

// All published properties, those of the base classes first, in declaration order.
GRAVILO_TOOLKIT_INNER_EXPORT QList<TPropInfo> PublishedProperties(const QObject* object);

GRAVILO_TOOLKIT_INNER_EXPORT bool HasProperty(const QObject* object, const char* name);
// The value, or an invalid QVariant when there is no such property.
GRAVILO_TOOLKIT_INNER_EXPORT QVariant GetPropValue(const QObject* object, const char* name);
// false when there is no such property, it is read-only or the value does not convert.
GRAVILO_TOOLKIT_INNER_EXPORT bool SetPropValue(QObject* object, const char* name, const QVariant& value);

// A setting of one of the object's parts, named by its path through object-valued properties
// ("Scale1X.RangeLow", "Scale1X.Font.Height"); an enumeration also takes the name of its value.
// false when a step of the path does not lead to a part or the value does not convert.
GRAVILO_TOOLKIT_INNER_EXPORT bool SetPropPath(QObject* object, const QByteArray& path, const QVariant& value);
// The value of such a setting, or an invalid QVariant.
GRAVILO_TOOLKIT_INNER_EXPORT QVariant GetPropPath(const QObject* object, const QByteArray& path);
// A colour (TColor) setting: to Qt an unsigned number; the suite's colours are the unsigned
// settings named for one (ChartColor, ColorScale, Color).
GRAVILO_TOOLKIT_INNER_EXPORT bool IsColourSetting(const QMetaProperty& setting);

GRAVILO_TOOLKIT_INNER_EXPORT QString GetStrProp(const QObject* object, const char* name);
GRAVILO_TOOLKIT_INNER_EXPORT bool SetStrProp(QObject* object, const char* name, const QString& value);
GRAVILO_TOOLKIT_INNER_EXPORT QStringList GetStringListProp(const QObject* object, const char* name);
GRAVILO_TOOLKIT_INNER_EXPORT bool SetStringListProp(QObject* object, const char* name,
                                                    const QStringList& value);
// The object an object-valued property refers to, or nullptr.
GRAVILO_TOOLKIT_INNER_EXPORT QObject* GetObjectProp(const QObject* object, const char* name);
