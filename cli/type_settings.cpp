#include "type_settings.h"

#include "matrix_options.h"
#include <quillmark/layout.h>
#include <type_description.h>

namespace quillmark::cli {

TBarcodeDescription DescriptionOfType(const TOptions& Options, TBarType Type) {
    TBarcodeDescription description =
        DescriptionForType({Options.Description, Options.TextChosen}, Type);
    TSymbolLook& symbol = description.Barcode;
    if (Options.QrVersionText && Applies("qr-version", Type))
        symbol.Matrix.QrVersion = QrVersion(*Options.QrVersionText, Type);
    CheckMatrixOptions(Type, symbol.Matrix);
    if (Options.BearerWidthText && Applies("bearer-width", Type))
        symbol.BearerModules = BearerModules(*Options.BearerWidthText, XDimensionOf(description));
    try {
        // The output layer's own bounds on sizes, checked once a type rather than per symbol.
        RasterModul(description);
    } catch (const Exception& e) {
        throw UsageError(e.Message());
    }
    return description;
}

} // namespace quillmark::cli
