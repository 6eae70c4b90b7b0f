#include "export_settings.h"

#include "barcode_output.h"
#include <quillmark/qt_colors.h>

#include <QCoreApplication>
#include <QSettings>

namespace quillmark {

namespace {

constexpr const char* StandardText = "standard";
constexpr const char* OverBarsText = "over bars";

// The program sets only its application name; it stands for the organisation too, where
// QSettings would otherwise refuse to write.
QSettings Store() {
    const QString application = QCoreApplication::applicationName();
    const QString organisation = QCoreApplication::organizationName();
    return QSettings(organisation.isEmpty() ? application : organisation, application);
}

QString Key(const char* Name) {
    return QStringLiteral("export/") + QLatin1String(Name);
}

QVariant Read(const QSettings& Store, const char* Name) {
    return Store.value(Key(Name));
}

void ReadNumber(const QSettings& Store, const char* Name, double& Value) {
    bool ok = false;
    const double read = Read(Store, Name).toDouble(&ok);
    if (ok)
        Value = read;
}

void ReadColor(const QSettings& Store, const char* Name, TColor& Value) {
    const QColor read(Read(Store, Name).toString());
    if (read.isValid())
        Value = FromQColor(read);
}

} // namespace

void LoadExportSettings(TBarcodeDescription& Description, TFileFormat& Format) {
    QSettings store = Store();
    const QString format = Read(store, "format").toString();
    for (const TFileFormatName& kind : FileFormats)
        if (format == QLatin1String(kind.Suffix))
            Format = kind.Format;
    ReadNumber(store, "xDimensionMM", Description.XDimensionMM);
    bool ok = false;
    const int dpi = Read(store, "dpi").toInt(&ok);
    if (ok)
        Description.Dpi = dpi;
    ReadNumber(store, "barHeightMM", Description.BarHeightMM);
    const QString zone = Read(store, "quietZone").toString();
    const int modules = zone.toInt(&ok);
    if (ok)
        Description.QuietZone = modules;
    else if (zone == QLatin1String(StandardText))
        Description.QuietZone.reset();
    const QString layout = Read(store, "textLayout").toString();
    if (layout == QLatin1String(StandardText))
        Description.Barcode.TextLayout = tlStandard;
    else if (layout == QLatin1String(OverBarsText))
        Description.Barcode.TextLayout = tlOverBars;
    ReadNumber(store, "fontSizePt", Description.FontSizePt);
    ReadColor(store, "barColor", Description.Barcode.ColorBar);
    ReadColor(store, "spaceColor", Description.Barcode.ColorSpc);
    ReadColor(store, "textColor", Description.FontColor);
}

void SaveExportSettings(const TBarcodeDescription& Description, TFileFormat Format) {
    QSettings store = Store();
    store.setValue(Key("format"), SuffixOf(Format));
    store.setValue(Key("xDimensionMM"), Description.XDimensionMM);
    store.setValue(Key("dpi"), Description.Dpi);
    store.setValue(Key("barHeightMM"), Description.BarHeightMM);
    store.setValue(Key("quietZone"), Description.QuietZone ? QString::number(*Description.QuietZone)
                                                           : QString::fromLatin1(StandardText));
    store.setValue(
        Key("textLayout"),
        QLatin1String(Description.Barcode.TextLayout == tlStandard ? StandardText : OverBarsText));
    store.setValue(Key("fontSizePt"), Description.FontSizePt);
    store.setValue(Key("barColor"), ToQColor(Description.Barcode.ColorBar).name());
    store.setValue(Key("spaceColor"), ToQColor(Description.Barcode.ColorSpc).name());
    store.setValue(Key("textColor"), ToQColor(Description.FontColor).name());
}

} // namespace quillmark
