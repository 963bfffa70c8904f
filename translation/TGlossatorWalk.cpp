// SPDX-License-Identifier: MIT
// The form walk of TGlossator: marked texts of published properties, found through Qt's
// meta-object information.

#include <QPointer>

#include "TComponent.h"
#include "TGlossator.h"
#include "TObjectShape.h"
#include "TProperties.h"

namespace {

// objectName is the component's Name; neither it nor a property called Name is a text to show
bool IsNameProperty(const TPropInfo& property) {
    return property.Name == "objectName" || property.Name == "Name";
}

}  // namespace

void TGlossator::TranslateComponent(QObject* component) {
    if (!component) return;
    TranslateObject(component);
    // the owned components are the children that are components: fonts, settings objects and the
    // inner parts of a control are not. A setter may create or destroy children, so the walk
    // goes over the components as they were.
    QList<QPointer<QObject>> owned;
    for (QObject* child : component->children())
        if (TComponent::Of(child)) owned.append(child);
    for (const QPointer<QObject>& child : owned)
        if (child) TranslateComponent(child);
}

void TGlossator::TranslateObject(QObject* object) {
    if (!object) return;
    bool translate = true;
    if (FOnTranslateObject) FOnTranslateObject(*this, object, translate);
    if (!translate) return;
    for (const TPropInfo& property : PublishedProperties(object)) {
        // Qt's own texts (windowTitle, toolTip) are set by the component's own properties, which
        // show them as the component shows its texts
        if (!property.Meta.isReadable() || property.FromQt) continue;
        switch (property.Kind) {
            case TPropKind::String:
                TranslateStringProperty(object, property);
                break;
            case TPropKind::StringList:
                TranslateStringListProperty(object, property);
                break;
            case TPropKind::Object:
                TranslateObjectProperty(object, property);
                break;
            default:
                break;
        }
    }
}

bool TGlossator::StartsWithPrefix(const QString& text) const {
    return text.startsWith(QLatin1StringView(FKeyPrefix), Qt::CaseSensitive);
}

void TGlossator::TranslateStringProperty(QObject* object, const TPropInfo& property) {
    if (IsNameProperty(property) || !property.Writable) return;
    const QString text = property.Meta.read(object).toString();
    if (!StartsWithPrefix(text)) return;
    if (FOnTextReplaced) FOnTextReplaced(object, property.Meta.name(), text);
    property.Meta.write(object, TranslateText(text.mid(FKeyPrefix.size())));
}

void TGlossator::TranslateStringListProperty(QObject* object, const TPropInfo& property) {
    if (!property.Writable) return;
    const QStringList original = property.Meta.read(object).toStringList();
    QStringList lines = original;
    bool changed = false;
    for (qsizetype j = lines.size() - 1; j >= 0; --j) {
        if (!StartsWithPrefix(lines[j])) continue;
        lines[j] = TranslateText(lines[j].mid(FKeyPrefix.size()));
        changed = true;
    }
    if (!changed) return;
    if (FOnTextReplaced) FOnTextReplaced(object, property.Meta.name(), original);
    property.Meta.write(object, lines);
}

void TGlossator::TranslateObjectProperty(QObject* object, const TPropInfo& property) {
    QObject* target = property.Meta.read(object).value<QObject*>();
    if (!target) return;
    if (TObjectShape::IsCollection(target)) {
        for (const QPointer<QObject>& item : TObjectShape::CollectionItems(target))
            if (item) TranslateObject(item);
    } else if (TObjectShape::IsScaleProps(target)) {
        TranslateObject(target);
    }
}
