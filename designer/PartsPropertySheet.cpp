// SPDX-License-Identifier: MIT
#include "PartsPropertySheet.h"

#include <QLocale>
#include <QMessageBox>
#include <QWidget>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

#include "TComponent.h"
#include "TProperties.h"

namespace {

// What the property editor edits for a part's setting: a text or an enumeration as text (see the
// header); a colour (TColor) as the hexadecimal number its tip describes, so that what is typed
// is what is meant; a real number as text as it is (1e-10, not 0.000000); everything else as it is.
QVariant Shown(const QMetaProperty& p, const QVariant& value) {
    if (p.isEnumType()) return QByteArray(p.enumerator().valueToKey(value.toInt()));
    switch (p.metaType().id()) {
        case QMetaType::QString:
            return value.toString().toUtf8();
        case QMetaType::Double:
            return QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
        case QMetaType::UInt:
            if (IsColourSetting(p))
                return QByteArray("0x") +
                       QByteArray::number(value.toUInt(), 16).rightJustified(8, '0').toUpper();
            return value;
        default:
            return value;
    }
}

}  // namespace

QPointer<QDesignerFormEditorInterface> PartsPropertySheet::Core;

void PartsPropertySheet::Refused(const QString& text) {
    // in Designer, a message over its window that does not stop the editing
    if (QDesignerFormEditorInterface* core = Core) {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Gravilo"), text, QMessageBox::Ok,
                                    core->topLevel());
        box->setObjectName(QStringLiteral("GraviloSettingRefused"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    } else {
        qWarning("%s", qPrintable(text));
    }
}

PartsPropertySheet::PartsPropertySheet(QObject* component, QObject* base, const QObject* prototype,
                                       QObject* parent)
    : QObject(parent),
      FBase(qobject_cast<QDesignerPropertySheetExtension*>(base)),
      FBaseDynamic(qobject_cast<QDesignerDynamicPropertySheetExtension*>(base)),
      FPrototype(prototype) {
    // Designer makes a sheet for each component it puts on a form it designs, and only there
    if (TComponent* designed = TComponent::Of(component)) designed->SetDesigning(true);
    for (TPartSetting& setting : PartSettings(component)) FEntries.push_back({setting});
    for (int i = 0; i < int(FEntries.size()); ++i) FEntryOf.insert(FEntries[i].Name, i);
}

PartsPropertySheet::TEntry* PartsPropertySheet::Entry(int index) {
    const int at = index - FBase->count();
    return at >= 0 && at < int(FEntries.size()) ? &FEntries[at] : nullptr;
}

const PartsPropertySheet::TEntry* PartsPropertySheet::Entry(int index) const {
    return const_cast<PartsPropertySheet*>(this)->Entry(index);
}

int PartsPropertySheet::count() const {
    return FBase->count() + int(FEntries.size());
}

int PartsPropertySheet::indexOf(const QString& name) const {
    const int index = FBase->indexOf(name);
    if (index >= 0) return index;
    const auto at = FEntryOf.constFind(name);
    return at == FEntryOf.constEnd() ? -1 : FBase->count() + at.value();
}

QString PartsPropertySheet::propertyName(int index) const {
    const TEntry* entry = Entry(index);
    return entry ? entry->Name : FBase->propertyName(index);
}

QString PartsPropertySheet::propertyGroup(int index) const {
    const TEntry* entry = Entry(index);
    return entry ? entry->Group : FBase->propertyGroup(index);
}

void PartsPropertySheet::setPropertyGroup(int index, const QString& group) {
    if (TEntry* entry = Entry(index))
        entry->Group = group;
    else
        FBase->setPropertyGroup(index, group);
}

bool PartsPropertySheet::hasReset(int index) const {
    return Entry(index) ? true : FBase->hasReset(index);
}

bool PartsPropertySheet::reset(int index) {
    TEntry* entry = Entry(index);
    if (!entry) return FBase->reset(index);
    if (!FPrototype) return false;
    // the value of a component as made
    setProperty(index, Shown(entry->Meta, GetPropPath(FPrototype, entry->Name.toUtf8())));
    return true;
}

bool PartsPropertySheet::isVisible(int index) const {
    if (const TEntry* entry = Entry(index)) return entry->Visible;
    // an object Designer cannot edit: its settings are entries of their own
    return FBase->isVisible(index) &&
           !FBase->property(index).metaType().flags().testFlag(QMetaType::PointerToQObject);
}

void PartsPropertySheet::setVisible(int index, bool visible) {
    if (TEntry* entry = Entry(index))
        entry->Visible = visible;
    else
        FBase->setVisible(index, visible);
}

bool PartsPropertySheet::isAttribute(int index) const {
    return Entry(index) ? false : FBase->isAttribute(index);
}

void PartsPropertySheet::setAttribute(int index, bool attribute) {
    if (!Entry(index)) FBase->setAttribute(index, attribute);
}

QVariant PartsPropertySheet::property(int index) const {
    if (const TEntry* entry = Entry(index)) return Shown(entry->Meta, entry->Meta.read(entry->Part));
    return FBase->property(index);
}

void PartsPropertySheet::setProperty(int index, const QVariant& value) {
    // a text, a number or the name of an enumeration's value comes back as it was shown; one that
    // the setting does not take leaves it as it was, and says so
    TEntry* entry = Entry(index);
    if (!entry) return FBase->setProperty(index, value);
    if (SetPropPath(entry->Part, entry->Meta.name(), value)) return;
    const QString tip = SettingTip(entry->Meta);
    Refused(QStringLiteral("%1 does not take \"%2\".%3")
                .arg(entry->Name, value.toString(), tip.isEmpty() ? QString() : QLatin1Char(' ') + tip));
}

bool PartsPropertySheet::isChanged(int index) const {
    const TEntry* entry = Entry(index);
    return entry ? entry->Changed : FBase->isChanged(index);
}

void PartsPropertySheet::setChanged(int index, bool changed) {
    if (TEntry* entry = Entry(index))
        entry->Changed = changed;
    else
        FBase->setChanged(index, changed);
}

bool PartsPropertySheet::isEnabled(int index) const {
    return Entry(index) ? true : FBase->isEnabled(index);
}

bool PartsPropertySheet::dynamicPropertiesAllowed() const {
    return FBaseDynamic && FBaseDynamic->dynamicPropertiesAllowed();
}

int PartsPropertySheet::addDynamicProperty(const QString& name, const QVariant& value) {
    if (!FBaseDynamic || FEntryOf.contains(name)) return -1;
    return FBaseDynamic->addDynamicProperty(name, value);
}

bool PartsPropertySheet::removeDynamicProperty(int index) {
    return !Entry(index) && FBaseDynamic && FBaseDynamic->removeDynamicProperty(index);
}

// A changed part setting is stored as a dynamic property: a form's generated code sets it by
// name (setProperty), since the component has no setter of that name.
bool PartsPropertySheet::isDynamicProperty(int index) const {
    if (const TEntry* entry = Entry(index)) return entry->Changed;
    return FBaseDynamic && FBaseDynamic->isDynamicProperty(index);
}

bool PartsPropertySheet::canAddDynamicProperty(const QString& name) const {
    return FBaseDynamic && !FEntryOf.contains(name) && FBaseDynamic->canAddDynamicProperty(name);
}

PartsPropertySheetFactory::PartsPropertySheetFactory(const QString& className,
                                                     std::function<QWidget*(QWidget*)> create,
                                                     QExtensionManager* parent)
    : QExtensionFactory(parent), FClassName(className), FCreate(std::move(create)) {}

PartsPropertySheetFactory::~PartsPropertySheetFactory() = default;

QObject* PartsPropertySheetFactory::createExtension(QObject* object, const QString& iid,
                                                    QObject* parent) const {
    if (FAskingBase || !object->inherits(FClassName.toLatin1().constData())) return nullptr;
    const QString sheetId = Q_TYPEID(QDesignerPropertySheetExtension);
    // one sheet answers as both: the dynamic one is the sheet made for the component
    if (iid == Q_TYPEID(QDesignerDynamicPropertySheetExtension))
        return extensionManager()->extension(object, sheetId);
    if (iid != sheetId) return nullptr;
    FAskingBase = true;
    QObject* base = extensionManager()->extension(object, sheetId);
    FAskingBase = false;
    if (!qobject_cast<QDesignerPropertySheetExtension*>(base)) return nullptr;
    if (!FPrototype) FPrototype.reset(FCreate(nullptr));
    return new PartsPropertySheet(object, base, FPrototype.get(), parent);
}
