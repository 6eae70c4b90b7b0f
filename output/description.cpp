#include "description.h"

#include "ean_upc.h"

namespace quillmark {

TBarcodeSettings DefaultOutputSettings() {
    TBarcodeSettings settings;
    settings.BarType = bcCode128B;
    settings.Ratio = 2.5; // mid-range for the symbologies whose ratio is free
    settings.TextShow = tsBarCode;
    // Files are printed as the standards print symbols.
    settings.TextLayout = tlStandard;
    return settings;
}

QFont DefaultOutputFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

double OutputRatio(const TBarcodeDescription& Description) {
    const TBarType type = Description.Barcode.BarType;
    if (static_cast<int>(type) < BarTypeCount && BarTypeData(type).ModuleMultiples)
        return 2.0;
    return Description.Barcode.Ratio;
}

TCheckDigits CheckDigitsOf(TCheckSum CheckSum) {
    return CheckSum == csModulo10 ? TCheckDigits::Mod10 : TCheckDigits::None;
}

TBarcodeDescription DescribeValue(const TBarcodeDescription& Base, const std::string& Value,
                                  TCheckDigits Mode) {
    TBarcodeDescription description = Base;
    TBarcodeSettings& barcode = description.Barcode;
    barcode.CheckSum = Mode == TCheckDigits::Mod10 ? csModulo10 : csNone;
    barcode.BarCode =
        Mode == TCheckDigits::Auto ? CompleteCheckDigit(barcode.BarType, Value) : Value;
    return description;
}

} // namespace quillmark
