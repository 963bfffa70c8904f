// SPDX-License-Identifier: MIT
#pragma once
// The property sheet Designer shows for a component: Designer's own sheet, where the settings of
// the component's parts (PartSettings) are entries of their own; Designer's own sheet has only an
// object it cannot edit. A form stores a changed part setting as a dynamic property
// (stdset="0"), which the component hands to its part when a program loads the form.
//
// Texts and enumerations of parts are edited as plain text: Designer's list of an enumeration's
// names is not open to plugins; a name that is not one of the enumeration's leaves the value and
// says so (Refused). Colours (TColor) are hexadecimal numbers, 0x00BBGGRR, as everywhere in the
// components: a colour a form stores as a colour would reach a TColor property as a QColor, which
// it cannot take. Real numbers are shown as written (1e-10). The tips of the entries say how to
// write them (DesignerWidget::domXml).

#include <QtDesigner/QDesignerDynamicPropertySheetExtension>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionFactory>

class QDesignerFormEditorInterface;

#include <QHash>
#include <QMetaProperty>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "PartSettings.h"

class PartsPropertySheet : public QObject,
                           public QDesignerPropertySheetExtension,
                           public QDesignerDynamicPropertySheetExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension QDesignerDynamicPropertySheetExtension)

public:
    // base: Designer's own sheet of the component; prototype: a component as made, for the
    // defaults a reset returns to
    PartsPropertySheet(QObject* component, QObject* base, const QObject* prototype, QObject* parent);

    int count() const override;
    int indexOf(const QString& name) const override;
    QString propertyName(int index) const override;
    QString propertyGroup(int index) const override;
    void setPropertyGroup(int index, const QString& group) override;
    bool hasReset(int index) const override;
    bool reset(int index) override;
    bool isVisible(int index) const override;
    void setVisible(int index, bool visible) override;
    bool isAttribute(int index) const override;
    void setAttribute(int index, bool attribute) override;
    QVariant property(int index) const override;
    void setProperty(int index, const QVariant& value) override;
    bool isChanged(int index) const override;
    void setChanged(int index, bool changed) override;
    bool isEnabled(int index) const override;

    bool dynamicPropertiesAllowed() const override;
    int addDynamicProperty(const QString& name, const QVariant& value) override;
    bool removeDynamicProperty(int index) override;
    bool isDynamicProperty(int index) const override;
    bool canAddDynamicProperty(const QString& name) const override;

    // Designer's editor, once a plugin has been initialised: its messages show there
    static QPointer<QDesignerFormEditorInterface> Core;

private:
    struct TEntry : TPartSetting {
        bool Visible = true;
        bool Changed = false;
    };
    // a value a setting does not take (a misspelt name, "0xZZ"): a message over Designer's
    // window that does not stop the editing
    static void Refused(const QString& text);
    // the entry behind an index past Designer's own, or nullptr
    TEntry* Entry(int index);
    const TEntry* Entry(int index) const;

    QDesignerPropertySheetExtension* FBase;
    QDesignerDynamicPropertySheetExtension* FBaseDynamic;
    const QObject* FPrototype;
    std::vector<TEntry> FEntries;
    QHash<QString, int> FEntryOf;
};

// Makes the sheet for components of one class, around the sheet Designer makes for them.
class PartsPropertySheetFactory : public QExtensionFactory {
    Q_OBJECT
public:
    PartsPropertySheetFactory(const QString& className, std::function<QWidget*(QWidget*)> create,
                              QExtensionManager* parent);
    ~PartsPropertySheetFactory() override;

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;

private:
    QString FClassName;
    std::function<QWidget*(QWidget*)> FCreate;
    mutable std::unique_ptr<QWidget> FPrototype;
    mutable bool FAskingBase = false;
};
