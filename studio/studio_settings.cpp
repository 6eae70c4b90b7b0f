// What the window keeps between runs: its place and panes, the type, the value, the zoom,
// every option, the output settings and the folder of the last file saved.
#include "studio_window.h"

#include "symbol_list.h"
#include "symbol_options.h"

#include <QSettings>
#include <QSpinBox>
#include <QSplitter>

namespace quillmark::studio {

void TStudioWindow::LoadSettings() {
    QSettings& settings = *FSettings;
    restoreGeometry(settings.value(QStringLiteral("Window/Geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("Window/Panes")).toByteArray());
    FSplitter->restoreState(settings.value(QStringLiteral("Window/Splitter")).toByteArray());
    settings.beginGroup(QStringLiteral("Options"));
    FOptions->Load(settings);
    settings.endGroup();
    const std::optional<TBarType> type =
        FindBarType(settings.value(QStringLiteral("Symbol/Type")).toString().toStdString());
    SetType(type.value_or(bcCode128));
    FEditor->SetValue(
        settings.value(QStringLiteral("Symbol/Value"), QStringLiteral("Quillmark")).toString());
    FZoom->setValue(settings.value(QStringLiteral("Window/Zoom"), 1).toInt());
    FFolder = settings.value(QStringLiteral("Window/Folder")).toString();
    FStrict->setChecked(settings.value(QStringLiteral("Output/Strict"), false).toBool());
    FVerify->setChecked(settings.value(QStringLiteral("Output/Verify"), false).toBool());
}

void TStudioWindow::SaveSettings() const {
    QSettings& settings = *FSettings;
    settings.setValue(QStringLiteral("Window/Geometry"), saveGeometry());
    settings.setValue(QStringLiteral("Window/Panes"), saveState());
    settings.setValue(QStringLiteral("Window/Splitter"), FSplitter->saveState());
    settings.setValue(QStringLiteral("Window/Zoom"), FZoom->value());
    settings.setValue(QStringLiteral("Window/Folder"), FFolder);
    settings.setValue(QStringLiteral("Output/Strict"), FStrict->isChecked());
    settings.setValue(QStringLiteral("Output/Verify"), FVerify->isChecked());
    settings.setValue(QStringLiteral("Symbol/Type"),
                      QString::fromLatin1(BarTypeData(Type()).Identifier));
    settings.setValue(QStringLiteral("Symbol/Value"), Value());
    settings.beginGroup(QStringLiteral("Options"));
    FOptions->Save(settings);
    settings.endGroup();
    settings.sync();
}

} // namespace quillmark::studio
