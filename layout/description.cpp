#include "description.h"

#include "print_fit.h"
#include <quillmark/ean_upc.h>
#include <quillmark/itf14.h>
#include <quillmark/module_grid.h>

namespace quillmark {

// Files start from the ratio ITF-14's standard names as its target, which is mid-range for
// the other symbologies whose ratio is free too.
static_assert(DefaultOutputRatio == ITF14Facts.RatioDefault);

TSymbolLook DefaultOutputSettings() {
    TSymbolLook settings;
    settings.BarType = bcCode128B;
    settings.Ratio = DefaultOutputRatio;
    settings.TextShow = DefaultTextShow(settings.BarType);
    // Files are printed as the standards print symbols.
    settings.TextLayout = tlStandard;
    return settings;
}

TTextShow DefaultTextShow(TBarType Type) {
    return IsTwoDimensional(Type) ? tsNone : tsBarCode;
}

QFont DefaultOutputFont() {
    QFont font(QString::fromLatin1(DefaultFontFamily));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

double XDimensionOf(const TBarcodeDescription& Description) {
    if (Description.XDimensionMM != 0)
        return Description.XDimensionMM;
    const TBarType type = Description.Barcode.BarType;
    return StandardXDimensionMM(static_cast<int>(type) < BarTypeCount ? type : bcCode128B,
                                Description.Dpi);
}

double OutputRatio(const TBarcodeDescription& Description) {
    // USPS Publication 25: PostNet's bars 0.020 in wide at a pitch of 0.045 to 0.050 in, a
    // space of 1.375 bars for the middle of that pitch.
    constexpr double PostNetSpace = 1.375;
    const TBarType type = Description.Barcode.BarType;
    if (static_cast<int>(type) < BarTypeCount && BarTypeData(type).ModuleMultiples)
        return 2.0;
    if (type == bcCodePostNet)
        return PostNetSpace;
    return Description.Barcode.Ratio;
}

TCheckDigits CheckDigitsOf(TCheckSum CheckSum) {
    return CheckSum == csModulo10 ? TCheckDigits::Mod10 : TCheckDigits::None;
}

TBarcodeDescription DescribeValue(const TBarcodeDescription& Base, const std::string& Value,
                                  TCheckDigits Mode) {
    TBarcodeDescription description = Base;
    TSymbolLook& barcode = description.Barcode;
    barcode.CheckSum = Mode == TCheckDigits::Mod10 ? csModulo10 : csNone;
    barcode.BarCode =
        Mode == TCheckDigits::Auto ? CompleteCheckDigit(barcode.BarType, Value) : Value;
    return description;
}

} // namespace quillmark
