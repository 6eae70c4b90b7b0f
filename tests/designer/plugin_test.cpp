// The Designer plugin as Qt Designer loads it: the interface, a widget, its defaults.
#include <quillmark/engine.h>

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QPluginLoader>
#include <QWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// The default properties of the widget in domXml(), by name, as their text; the geometry
// is the widget box's business.
std::map<QString, QString> DefaultProperties(const QString& DomXml) {
    std::map<QString, QString> properties;
    QXmlStreamReader xml(DomXml);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("property"))
            continue;
        const QString name = xml.attributes().value(QLatin1String("name")).toString();
        if (xml.readNextStartElement() && name != QLatin1String("geometry"))
            properties[name] = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return properties;
}

TEST(DesignerPlugin, CreatesABarcodeWithItsDefaults) {
    QPluginLoader loader(QStringLiteral(QUILLMARK_DESIGNER_PLUGIN));
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    ASSERT_NE(plugin, nullptr) << loader.errorString().toStdString();
    EXPECT_EQ(plugin->name(), QStringLiteral("quillmark::TBarCode"));
    EXPECT_EQ(plugin->group(), QStringLiteral("Quillmark"));
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("quillmark/barcode.h"));

    const std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), "quillmark::TBarCode");

    // Designer applies the defaults by name, enumerations by their identifiers.
    const std::map<QString, QString> defaults = DefaultProperties(plugin->domXml());
    ASSERT_EQ(defaults.size(), 4u);
    for (const auto& [name, text] : defaults) {
        const QString value = text.section(QStringLiteral("::"), -1);
        ASSERT_TRUE(widget->setProperty(name.toLatin1().constData(), value)) << name.toStdString();
    }
    EXPECT_EQ(widget->property("BarCode").toString(), QStringLiteral("Quillmark"));
    EXPECT_EQ(widget->property("Modul").toInt(), 2);
    EXPECT_EQ(QString::fromLatin1(widget->property("BarType").toByteArray()),
              QStringLiteral("bcCode128B"));

    // The two-dimensional types and their options are there to choose, and counted.
    EXPECT_TRUE(widget->setProperty("BarType", QStringLiteral("bcCodeQR")));
    EXPECT_TRUE(widget->setProperty("QrLevel", QStringLiteral("qlQ")));
    EXPECT_EQ(QString::fromLatin1(widget->property("BarType").toByteArray()),
              QStringLiteral("bcCodeQR"));
    EXPECT_EQ(QString::fromLatin1(widget->property("QrLevel").toByteArray()),
              QStringLiteral("qlQ"));
    EXPECT_TRUE(plugin->whatsThis().contains(QStringLiteral(" %1 ").arg(quillmark::BarTypeCount)))
        << plugin->whatsThis().toStdString();
}

} // namespace
