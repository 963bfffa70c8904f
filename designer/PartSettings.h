// SPDX-License-Identifier: MIT
#pragma once
// The settings of a component's parts as Designer offers them: the chart's axes, cross-hairs,
// background image and joint layers, the fonts, an axis's date format, each setting named
// Part.Setting (Scale1X.RangeLow, Scale1X.Font.Height) and grouped by the component's part.

#include <QMetaProperty>
#include <QString>
#include <vector>

struct TPartSetting {
    QString Name;   // Scale1X.Font.Height
    QString Group;  // Scale1X
    QObject* Part;  // the object that has the setting
    QMetaProperty Meta;
};

// In the order a form sets them: a part's logarithmic switch after its range.
std::vector<TPartSetting> PartSettings(QObject* component);

// What the property editor's tip says of a setting: how a colour (TColor) is written, the names of
// an enumeration's values; empty for others.
QString SettingTip(const QMetaProperty& setting);
