#include "barcode_settings.h"

namespace quillmark {

double AngleOf(TOrientation Orientation) {
    switch (Orientation) {
    case toRightLeft:
        return 180;
    case toTopBottom:
        return 270;
    case toBottomTop:
        return 90;
    default:
        return 0;
    }
}

std::string ShownText(TTextShow TextShow, TBarType BarType, const std::string& DisplayText) {
    switch (TextShow) {
    case tsBarCode:
        return DisplayText;
    case tsBarType:
        return BarTypeName(BarType);
    case tsBoth:
        return BarTypeName(BarType) + " " + DisplayText;
    default:
        return {};
    }
}

} // namespace quillmark
