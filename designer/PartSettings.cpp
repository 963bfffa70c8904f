// SPDX-License-Identifier: MIT
#include "PartSettings.h"

#include <QSet>
#include <QStringList>

#include "TProperties.h"

namespace {

// The parts of an object: the settings objects its object-valued properties lead to. A widget is
// another control of the form (the chart's UseDataOf, a control's PopupMenu), not a part.
QObject* PartOf(const QObject* owner, const QMetaProperty& p) {
    if (!p.metaType().flags().testFlag(QMetaType::PointerToQObject)) return nullptr;
    QObject* part = p.read(owner).value<QObject*>();
    return part && !part->isWidgetType() ? part : nullptr;
}

void AddParts(QObject* owner, const QString& prefix, const QString& group, QSet<const QObject*>& seen,
              std::vector<TPartSetting>& settings) {
    seen.insert(owner);
    const QMetaObject* meta = owner->metaObject();
    std::vector<TPartSetting> later;
    // a part's own settings, not those every QObject has (objectName)
    const int first = prefix.isEmpty() ? 0 : QObject::staticMetaObject.propertyCount();
    for (int i = first; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        const QString name = prefix + QLatin1String(p.name());
        if (QObject* part = PartOf(owner, p)) {
            if (!seen.contains(part))
                AddParts(part, name + u'.', group.isEmpty() ? name : group, seen, settings);
            continue;
        }
        if (prefix.isEmpty() || !p.isWritable() || !p.isDesignable()) continue;
        // the logarithmic switch holds only for a range that allows it: a form sets it after the
        // range, so it comes after the part's other settings
        (qstrcmp(p.name(), "Logarithmic") == 0 ? later : settings).push_back({name, group, owner, p});
    }
    settings.insert(settings.end(), later.begin(), later.end());
}

}  // namespace

std::vector<TPartSetting> PartSettings(QObject* component) {
    std::vector<TPartSetting> settings;
    QSet<const QObject*> seen;
    AddParts(component, QString(), QString(), seen, settings);
    return settings;
}

QString SettingTip(const QMetaProperty& setting) {
    if (IsColourSetting(setting))
        return QStringLiteral(
            "A colour as 0x00BBGGRR (blue, green, red: 0x000000FF is red); "
            "0x80000000 + n is the system colour n (0x8000000F is the button face)");
    if (!setting.isEnumType()) return QString();
    const QMetaEnum e = setting.enumerator();
    QStringList names;
    for (int i = 0; i < e.keyCount(); ++i) names << QLatin1String(e.key(i));
    return QStringLiteral("One of: ") + names.join(QStringLiteral(", "));
}
