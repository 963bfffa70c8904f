// SPDX-License-Identifier: MIT
#include "DesignerWidget.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

#include <QWidget>
#include <QXmlStreamWriter>
#include <memory>

#include "PartSettings.h"
#include "PartsPropertySheet.h"

DesignerWidget::DesignerWidget(TKind Kind, QObject* parent) : QObject(parent), FKind(std::move(Kind)) {}

void DesignerWidget::initialize(QDesignerFormEditorInterface* core) {
    if (FInitialized) return;
    FInitialized = true;
    PartsPropertySheet::Core = core;
    QExtensionManager* manager = core->extensionManager();
    auto* sheets = new PartsPropertySheetFactory(FKind.ClassName, FKind.Create, manager);
    manager->registerExtensions(sheets, Q_TYPEID(QDesignerPropertySheetExtension));
    manager->registerExtensions(sheets, Q_TYPEID(QDesignerDynamicPropertySheetExtension));
}

QString DesignerWidget::includeFile() const {
    return QStringLiteral("gravilo/%1.h").arg(FKind.ClassName);
}

// A dropped widget is named after its class (plotica1, scale1, ...) and starts at its default size.
// The property editor's tips say how a colour is written, and which names an enumeration of a part
// takes.
QString DesignerWidget::domXml() const {
    const std::unique_ptr<QWidget> made(FKind.Create(nullptr));
    QString tips;
    QXmlStreamWriter xml(&tips);
    const auto tip = [&xml](const QString& name, const QMetaProperty& setting) {
        const QString text = SettingTip(setting);
        if (text.isEmpty()) return;
        xml.writeStartElement(QStringLiteral("tooltip"));
        xml.writeAttribute(QStringLiteral("name"), name);
        xml.writeCharacters(text);
        xml.writeEndElement();
    };
    const QMetaObject* meta = made->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (!meta->property(i).isEnumType()) tip(QLatin1String(meta->property(i).name()), meta->property(i));
    for (const TPartSetting& setting : PartSettings(made.get())) tip(setting.Name, setting.Meta);

    const QString objectName = FKind.ClassName.mid(1).toLower();
    return QStringLiteral(R"(<ui language="c++"><widget class="%1" name="%2">
<property name="geometry"><rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect></property>
</widget>
<customwidgets><customwidget><class>%1</class><propertyspecifications>%5</propertyspecifications></customwidget></customwidgets>
</ui>)")
        .arg(FKind.ClassName, objectName)
        .arg(FKind.DefaultSize.width())
        .arg(FKind.DefaultSize.height())
        .arg(tips);
}
