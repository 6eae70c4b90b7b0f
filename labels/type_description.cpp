#include "type_description.h"

namespace quillmark {

TBarcodeDescription DescriptionForType(const TRunDescription& Run, TBarType Type) {
    TBarcodeDescription Description = Run.Description;
    Description.Barcode.BarType = Type;
    if (!Run.TextChosen)
        Description.Barcode.TextShow = DefaultTextShow(Type);
    return Description;
}

} // namespace quillmark
