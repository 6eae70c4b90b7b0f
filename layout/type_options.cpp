#include "type_options.h"

#include <quillmark/ean_upc.h>
#include <quillmark/module_grid.h>

namespace quillmark {

TTypeOptions OptionsOf(TBarType Type) {
    const TBCdata& row = BarTypeData(Type);
    const bool grid = IsDrawnFromGrid(Type);
    const bool converted = row.Convert != nullptr;
    const bool retail = HasGS1CheckDigit(Type);
    return {
        // A ratio the standard fixes at whole modules, or clamps to one value, is no choice.
        .Ratio = !grid && !row.ModuleMultiples && row.RatioLower < row.RatioUpper,
        // The converted types (ITF-14, the book numbers) and the GS1 element strings complete
        // their own check digits.
        .CheckDigits = !grid && !converted && Type != bcCodeGS1_128,
        .BarHeight = !grid,
        .AddOn = retail,
        .QuietZoneMarks = retail || row.DrawnAs == bcCodeEAN13,
        .QrOptions = Type == bcCodeQR || Type == bcCodeMicroQR || Type == bcCodeGS1DigitalLinkQR,
        .DataMatrixSize = Type == bcCodeDataMatrix || Type == bcCodeGS1DataMatrix,
        .DigitalLinkDomain = Type == bcCodeGS1DigitalLinkQR,
        .DataBarSegments = Type == bcCodeDataBarExpandedStacked,
        .Bearers = Type == bcCodeITF14,
        .BarWidthReduction = !IsTwoDimensional(Type),
    };
}

} // namespace quillmark
