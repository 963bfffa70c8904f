#include "DesignerWidget.h"

#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

#include "PartsPropertySheet.h"

DesignerWidget::DesignerWidget(TKind Kind, QObject* parent) : QObject(parent), FKind(std::move(Kind)) {}

void DesignerWidget::initialize(QDesignerFormEditorInterface* core) {
    if (FInitialized) return;
    FInitialized = true;
    QExtensionManager* manager = core->extensionManager();
    auto* sheets = new PartsPropertySheetFactory(FKind.ClassName, FKind.Create, manager);
    manager->registerExtensions(sheets, Q_TYPEID(QDesignerPropertySheetExtension));
    manager->registerExtensions(sheets, Q_TYPEID(QDesignerDynamicPropertySheetExtension));
}

QString DesignerWidget::includeFile() const {
    return QStringLiteral("gravilo/%1.h").arg(FKind.ClassName);
}

// A dropped widget is named after its class (plotica1, scale1, ...) and starts at its default size.
QString DesignerWidget::domXml() const {
    QString objectName = FKind.ClassName.mid(1).toLower();
    return QStringLiteral(R"(<ui language="c++"><widget class="%1" name="%2">
<property name="geometry"><rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect></property>
</widget></ui>)")
        .arg(FKind.ClassName, objectName)
        .arg(FKind.DefaultSize.width())
        .arg(FKind.DefaultSize.height());
}
