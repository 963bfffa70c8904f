// SPDX-License-Identifier: MIT
#pragma once
// The Gravilo components in Qt Designer: TPlotica, TScale and TNumora in the widget box's group
// "Gravilo", with their published properties in the property editor.

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

class GraviloDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit GraviloDesignerPlugin(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return FWidgets; }

private:
    QList<QDesignerCustomWidgetInterface*> FWidgets;
};
