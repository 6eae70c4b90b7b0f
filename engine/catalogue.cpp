#include "engine.h"

#include <array>

namespace quillmark {

namespace {

// Indexed by TBarType.
constexpr std::array<TBCdata, BarTypeCount> Catalogue{{
    {"Code25 interleaved", true},
    {"Code25 industrial", true},
    {"Code25 matrix", true},
    {"Code39", false},
    {"Code39 Extended", false},
    {"Code128A", false},
    {"Code128B", false},
    {"Code128C", false},
    {"Code93", false},
    {"Code93 Extended", false},
    {"MSI", true},
    {"PostNet", true},
    {"Codebar", false},
    {"EAN8", true},
    {"EAN13", true},
    {"UPC_A", true},
    {"UPC_E0", true},
    {"UPC_E1", true},
    {"UPC Supp2", true},
    {"UPC Supp5", true},
    {"EAN128A", false},
    {"EAN128B", false},
    {"EAN128C", false},
}};

} // namespace

const TBCdata& BarTypeData(TBarType Type) {
    if (static_cast<int>(Type) >= BarTypeCount)
        throw Exception("Wrong barcode type.");
    return Catalogue[Type];
}

std::string BarTypeName(TBarType Type) {
    return BarTypeData(Type).Name;
}

} // namespace quillmark
