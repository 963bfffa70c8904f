// SPDX-License-Identifier: MIT
#pragma once
// One component as Qt Designer offers it in its widget box: the class name, the header a form's
// generated code includes, a small icon, a default size, and how to make one.

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

class DesignerWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct TKind {
        QString ClassName;  // TPlotica
        QString ToolTip;    // one line in the widget box
        QSize DefaultSize;  // the size a dropped widget starts with
        QIcon Icon;
        std::function<QWidget*(QWidget* parent)> Create;
    };

    DesignerWidget(TKind Kind, QObject* parent);

    QString name() const override { return FKind.ClassName; }
    QString group() const override { return QStringLiteral("Gravilo"); }
    QString toolTip() const override { return FKind.ToolTip; }
    QString whatsThis() const override { return FKind.ToolTip; }
    QString includeFile() const override;
    QIcon icon() const override { return FKind.Icon; }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override { return FKind.Create(parent); }
    bool isInitialized() const override { return FInitialized; }
    // Designer's property editor gets the component's sheet with its parts (PartsPropertySheet).
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    TKind FKind;
    bool FInitialized = false;
};
