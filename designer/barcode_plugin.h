// Puts TBarCode in Qt Designer's widget box, under "Quillmark".
#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QObject>

namespace quillmark {

class TBarCodePlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit TBarCodePlugin(QObject* Parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    // A new barcode as the widget box drops it: Code 128B with text, at the window's size.
    QString domXml() const override;
    QWidget* createWidget(QWidget* Parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* Core) override;

private:
    bool initialized_ = false;
};

} // namespace quillmark
