#include "barcode_plugin.h"

#include <quillmark/barcode.h>

#include <QIcon>

namespace quillmark {

TBarCodePlugin::TBarCodePlugin(QObject* Parent) : QObject(Parent) {}

QString TBarCodePlugin::name() const {
    return QStringLiteral("quillmark::TBarCode");
}

QString TBarCodePlugin::group() const {
    return QStringLiteral("Quillmark");
}

QString TBarCodePlugin::toolTip() const {
    return QStringLiteral("One- or two-dimensional barcode");
}

QString TBarCodePlugin::whatsThis() const {
    return QStringLiteral("Draws a barcode in one of %1 symbologies, with its text.")
        .arg(BarTypeCount);
}

QString TBarCodePlugin::includeFile() const {
    return QStringLiteral("quillmark/barcode.h");
}

QIcon TBarCodePlugin::icon() const {
    return {};
}

bool TBarCodePlugin::isContainer() const {
    return false;
}

QString TBarCodePlugin::domXml() const {
    return QStringLiteral(R"(<ui language="c++" displayname="TBarCode">
 <widget class="quillmark::TBarCode" name="barCode">
  <property name="geometry"><rect><x>0</x><y>0</y><width>337</width><height>89</height></rect></property>
  <property name="BarType"><enum>quillmark::TBarCode::bcCode128B</enum></property>
  <property name="BarCode"><string notr="true">Quillmark</string></property>
  <property name="Modul"><number>2</number></property>
  <property name="TextShow"><enum>quillmark::TBarCode::tsBarCode</enum></property>
 </widget>
</ui>
)");
}

QWidget* TBarCodePlugin::createWidget(QWidget* Parent) {
    return new TBarCode(Parent);
}

bool TBarCodePlugin::isInitialized() const {
    return initialized_;
}

void TBarCodePlugin::initialize(QDesignerFormEditorInterface*) {
    initialized_ = true;
}

} // namespace quillmark
