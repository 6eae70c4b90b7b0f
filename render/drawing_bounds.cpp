#include "drawing_bounds.h"

namespace quillmark {

std::string RasterBoundText() {
    return std::to_string(MaxRasterSide) + " pixels a side and " +
           std::to_string(MaxRasterPixels / 1000000) + " million";
}

bool StartTooLong(TBarType Type, const std::string& Value, int Modul, double Ratio,
                  TCheckSum CheckSum, long long Longest) {
    if (Value.size() <= PrefixCharacters)
        return false;
    try {
        return MakeSymbol(Type, Value.substr(0, PrefixCharacters), Modul, Ratio, CheckSum).Width >
               Longest;
    } catch (const Exception&) {
        return false;
    }
}

} // namespace quillmark
