// SPDX-License-Identifier: MIT
// The Qt Designer plugin as Designer and QUiLoader meet it: a collection of the three components
// in the group "Gravilo", and a form made with them whose properties take effect when loaded.

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QSet>
#include <QUiLoader>
#include <QXmlStreamReader>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <gtest/gtest.h>

#include <memory>

#include "TCrossHair.h"
#include "TNumora.h"
#include "TPlotica.h"
#include "TScale.h"
#include "TScaleProps.h"

namespace {

QString PluginFile() {
    return QStringLiteral(GRAVILO_PLUGIN_DIR "/libgravilo-designer.so");
}

// Designer lists an enumeration's names, and a form stores one by name, only for a property known
// to be an enumeration: so must be every one a component or its parts publish.
void ExpectEnumerationsKnown(QObject* object, QSet<QObject*>& seen) {
    if (!object || seen.contains(object)) return;
    seen.insert(object);
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (p.metaType().flags().testFlag(QMetaType::IsEnumeration)) {
            EXPECT_TRUE(p.isEnumType()) << meta->className() << "::" << p.name();
        }
        if (p.metaType().flags().testFlag(QMetaType::PointerToQObject))
            ExpectEnumerationsKnown(p.read(object).value<QObject*>(), seen);
    }
}

// A form as a program loads it, through QUiLoader and the plugin.
std::unique_ptr<QWidget> LoadForm(QIODevice& form) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(GRAVILO_PLUGIN_DIR));
    std::unique_ptr<QWidget> window(loader.load(&form));
    EXPECT_NE(window, nullptr) << qPrintable(loader.errorString());
    return window;
}

}  // namespace

TEST(DesignerPlugin, OffersTheThreeComponentsInTheirGroupReadyToDrop) {
    QPluginLoader plugin(PluginFile());
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin.instance());
    ASSERT_NE(collection, nullptr) << qPrintable(plugin.errorString());
    QStringList names;
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets()) {
        names << widget->name();
        EXPECT_EQ(widget->group(), QStringLiteral("Gravilo"));
        EXPECT_EQ(widget->includeFile(), QStringLiteral("gravilo/%1.h").arg(widget->name()));
        EXPECT_FALSE(widget->icon().isNull());
        EXPECT_FALSE(widget->isContainer());
        // what Designer drops: a widget of the class at a size it can be seen and handled at
        QXmlStreamReader xml(widget->domXml());
        QString widgetClass;
        int width = 0, height = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == u"widget")
                widgetClass = xml.attributes().value(QStringLiteral("class")).toString();
            if (xml.name() == u"width") width = xml.readElementText().toInt();
            if (xml.name() == u"height") height = xml.readElementText().toInt();
        }
        EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
        // the property editor's tips: how to write a colour, the names an enumeration takes
        EXPECT_TRUE(widget->domXml().contains(QStringLiteral("0x00BBGGRR")));
        EXPECT_EQ(widgetClass, widget->name());
        EXPECT_GE(width, 100);
        EXPECT_GE(height, 20);
        std::unique_ptr<QWidget> made(widget->createWidget(nullptr));
        ASSERT_NE(made, nullptr);
        EXPECT_STREQ(made->metaObject()->className(), qPrintable(widget->name()));
        QSet<QObject*> seen;
        ExpectEnumerationsKnown(made.get(), seen);
    }
    EXPECT_EQ(names, QStringList({"TPlotica", "TScale", "TNumora"}));
}

TEST(DesignerPlugin, FormPropertiesTakeEffectThroughQUiLoader) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(GRAVILO_PLUGIN_DIR));
    for (const char* name : {"TPlotica", "TScale", "TNumora"})
        EXPECT_TRUE(loader.availableWidgets().contains(QLatin1String(name))) << name;
    QFile form(QStringLiteral(GRAVILO_FORM));
    ASSERT_TRUE(form.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> window = LoadForm(form);
    ASSERT_NE(window, nullptr);

    auto* chart = window->findChild<TPlotica*>(QStringLiteral("plotica"));
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Caption(), QStringLiteral("height [m]"));
    EXPECT_EQ(chart->MarginLeft(), 70);
    EXPECT_FALSE(chart->AutoRedraw());
    EXPECT_EQ(chart->CaptionAlignment(), Vexa::taLeftJustify);
    EXPECT_EQ(chart->geometry(), QRect(10, 10, 400, 280));
    // settings of the chart's parts, the logarithmic axis after its range
    EXPECT_DOUBLE_EQ(chart->Scale1Y()->RangeHigh(), 350);
    EXPECT_TRUE(chart->Scale1Y()->Logarithmic());
    EXPECT_EQ(chart->Scale1X()->LabelType(), Vexa::ftDateTime);
    EXPECT_EQ(chart->CrossHair1()->Color(), clRed);
    // the parts took their settings; a dynamic property of the program's own stays
    EXPECT_EQ(chart->dynamicPropertyNames(), QList<QByteArray>({"app.note"}));

    auto* energy = window->findChild<TNumora*>(QStringLiteral("energy"));
    ASSERT_NE(energy, nullptr);
    EXPECT_DOUBLE_EQ(energy->Value(), 4.4145);
    EXPECT_EQ(energy->Precision(), 2);
    EXPECT_EQ(energy->FrameStyle(), Vexa::fsRaised);
    EXPECT_EQ(energy->LeftText(), QStringLiteral("E ="));
    EXPECT_TRUE(energy->DisplayText().contains(QStringLiteral("4.41"))) << qPrintable(energy->DisplayText());

    auto* scale = window->findChild<TScale*>(QStringLiteral("scale"));
    ASSERT_NE(scale, nullptr);
    EXPECT_DOUBLE_EQ(scale->RangeLow(), -20);
    EXPECT_DOUBLE_EQ(scale->RangeHigh(), 80);
    EXPECT_EQ(scale->geometry(), QRect(10, 330, 400, 40));
}

// Designer's own form editor with the plugin: the parts' settings are entries of the chart's
// sheet, edited and reset as the property editor does it, and the form Designer saves loads in a
// program with the same settings.
TEST(DesignerPlugin, DesignerEditsThePartsAndAProgramLoadsThem) {
    QCoreApplication::addLibraryPath(QStringLiteral(GRAVILO_PLUGIN_DIR "/.."));
    QDesignerComponents::initializeResources();
    std::unique_ptr<QDesignerFormEditorInterface> core(QDesignerComponents::createFormEditor(nullptr));
    QDesignerComponents::initializePlugins(core.get());
    new QDesignerIntegration(core.get(), core.get());
    QDesignerFormWindowInterface* designed = core->formWindowManager()->createFormWindow(nullptr);
    QFile form(QStringLiteral(GRAVILO_FORM));
    ASSERT_TRUE(form.open(QIODevice::ReadOnly));
    designed->setContents(QString::fromUtf8(form.readAll()));
    auto* chart = designed->mainContainer()->findChild<TPlotica*>(QStringLiteral("plotica"));
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->IsDesigning());
    auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(core->extensionManager(), chart);
    ASSERT_NE(sheet, nullptr);
    const auto value = [&](const char* name) { return sheet->property(sheet->indexOf(QLatin1String(name))); };
    // numbers as they are written: a real number in full, a colour in hexadecimal
    EXPECT_EQ(value("Scale1Y.RangeHigh"), QVariant(QByteArray("350")));
    EXPECT_EQ(value("Scale1X.MinRange"), QVariant(QByteArray("1e-10")));
    EXPECT_EQ(value("CrossHair1.Color"), QVariant(QByteArray("0x000000FF")));  // red, as the form has it
    const TColor unchanged = chart->CrossHair3()->Color();
    EXPECT_EQ(value("Scale1X.LabelType"), QVariant(QByteArray("ftDateTime")));
    EXPECT_EQ(value("Scale2X.Font.Height"), QVariant(chart->Scale2X()->Font()->Height()));

    designed->cursor()->setWidgetProperty(chart, QStringLiteral("CrossHair2.Mode"), QByteArray("chBoth"));
    designed->cursor()->setWidgetProperty(chart, QStringLiteral("CrossHair2.PosX"), 0.25);
    // a name the enumeration does not have leaves the value
    designed->cursor()->setWidgetProperty(chart, QStringLiteral("CrossHair3.Mode"), QByteArray("chNowhere"));
    designed->cursor()->resetWidgetProperty(chart, QStringLiteral("Scale1X.LabelType"));
    designed->cursor()->setWidgetProperty(chart, QStringLiteral("CrossHair2.Color"), QByteArray("0xE0E0FF"));
    designed->cursor()->setWidgetProperty(chart, QStringLiteral("CrossHair3.Color"), QByteArray("0xZZ"));
    EXPECT_EQ(chart->CrossHair2()->Mode(), Vexa::chBoth);
    EXPECT_EQ(chart->CrossHair3()->Mode(), Vexa::chOff);
    EXPECT_EQ(chart->CrossHair2()->Color(), TColor(0xE0E0FF));
    EXPECT_EQ(chart->CrossHair3()->Color(), unchanged);
    // each value the setting did not take is named in a message that does not stop the editing
    QStringList refusals;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(top);
            box && box->objectName() == "GraviloSettingRefused") {
            refusals << box->text();
            box->close();
        }
    refusals.sort();
    ASSERT_EQ(refusals.size(), 2) << qPrintable(refusals.join('\n'));
    EXPECT_TRUE(refusals[0].startsWith("CrossHair3.Color does not take \"0xZZ\"."))
        << qPrintable(refusals[0]);
    EXPECT_TRUE(refusals[1].startsWith("CrossHair3.Mode does not take \"chNowhere\". One of: chOff"))
        << qPrintable(refusals[1]);
    EXPECT_EQ(chart->Scale1X()->LabelType(), Vexa::ftNum);

    QByteArray saved = designed->contents().toUtf8();
    EXPECT_TRUE(saved.contains(R"(name="CrossHair2.Mode" stdset="0")")) << saved.constData();
    EXPECT_FALSE(saved.contains("Scale1X.LabelType")) << "a reset setting is not stored";
    EXPECT_FALSE(saved.contains("Scale2X.")) << "an unchanged part is not stored";
    QBuffer buffer(&saved);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> window = LoadForm(buffer);
    ASSERT_NE(window, nullptr);
    auto* loaded = window->findChild<TPlotica*>(QStringLiteral("plotica"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->IsDesigning());
    EXPECT_EQ(loaded->CrossHair2()->Mode(), Vexa::chBoth);
    EXPECT_DOUBLE_EQ(loaded->CrossHair2()->PosX(), 0.25);
    EXPECT_EQ(loaded->CrossHair2()->Color(), TColor(0xE0E0FF));  // stored as written, read back as meant
    EXPECT_DOUBLE_EQ(loaded->Scale1Y()->RangeHigh(), 350);
    EXPECT_TRUE(loaded->Scale1Y()->Logarithmic());
    EXPECT_EQ(loaded->Scale1X()->LabelType(), Vexa::ftNum);
}
