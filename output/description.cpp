#include "description.h"

namespace quillmark {

TBarcodeSettings DefaultOutputSettings() {
    TBarcodeSettings settings;
    settings.BarType = bcCode128B;
    settings.Ratio = 2.5; // mid-range for the symbologies whose ratio is free
    settings.TextShow = tsBarCode;
    return settings;
}

QFont DefaultOutputFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

double StandardBarHeightMM(TBarType Type) {
    return Type >= bcCodeEAN8 && Type <= bcCodeUPC_Supp5 ? 22.85 : 15.0;
}

double OutputRatio(const TBarcodeDescription& Description) {
    const TBarType type = Description.Barcode.BarType;
    if (static_cast<int>(type) < BarTypeCount && BarTypeData(type).ModuleMultiples)
        return 2.0;
    return Description.Barcode.Ratio;
}

} // namespace quillmark
