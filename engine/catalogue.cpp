#include "encoders.h"
#include "engine.h"

#include <array>

namespace quillmark {

namespace {

// Adapters from each encoder's own arguments to the catalogue's one signature.
template <void (*Encode)(const std::string&, std::string&)>
void ValueOnly(TBarType, const std::string& Value, TCheckSum, std::string&, std::string& Pattern) {
    Encode(Value, Pattern);
}

template <void (*Encode)(const std::string&, TCheckSum, std::string&)>
void WithCheckSum(TBarType, const std::string& Value, TCheckSum CheckSum, std::string&,
                  std::string& Pattern) {
    Encode(Value, CheckSum, Pattern);
}

template <void (*Encode)(const std::string&, TCheckSum, std::string&, std::string&)>
void WithText(TBarType, const std::string& Value, TCheckSum CheckSum, std::string& Text,
              std::string& Pattern) {
    Encode(Value, CheckSum, Text, Pattern);
}

constexpr TQuietZone Ten{10, 10};

// Indexed by TBarType. Ratio bounds as the standards of the ratio-defined symbologies give
// them; quiet zones from each symbology's standard.
constexpr std::array<TBCdata, BarTypeCount> Catalogue{{
    {"Code25 interleaved", true, 2.0, 3.0, false, Ten, ValueOnly<EncodeCode_2_5_interleaved>},
    {"Code25 industrial", true, 2.0, 3.0, false, Ten, ValueOnly<EncodeCode_2_5_industrial>},
    {"Code25 matrix", true, 2.25, 3.0, false, Ten, ValueOnly<EncodeCode_2_5_matrix>},
    {"Code39", false, 2.0, 3.0, false, Ten, WithCheckSum<EncodeCode39>},
    {"Code39 Extended", false, 2.0, 3.0, false, Ten, WithCheckSum<EncodeCode39Extended>},
    {"Code128A", false, 0, 0, true, Ten, EncodeCode128},
    {"Code128B", false, 0, 0, true, Ten, EncodeCode128},
    {"Code128C", false, 0, 0, true, Ten, EncodeCode128},
    {"Code93", false, 0, 0, true, Ten, ValueOnly<EncodeCode93>},
    {"Code93 Extended", false, 0, 0, true, Ten, ValueOnly<EncodeCode93Extended>},
    {"MSI", true, 0, 0, false, {12, 12}, ValueOnly<EncodeCodeMSI>},
    {"PostNet", true, 0, 0, false, {0, 0, 3.2}, ValueOnly<EncodeCodePostNet>},
    {"Codebar", false, 2.0, 3.0, false, Ten, ValueOnly<EncodeCodeCodabar>},
    {"EAN8", true, 2.0, 3.0, true, {7, 7}, WithCheckSum<EncodeCodeEAN8>},
    {"EAN13", true, 2.0, 3.0, true, {11, 7}, WithCheckSum<EncodeCodeEAN13>},
    {"UPC_A", true, 2.0, 3.0, true, {9, 9}, WithText<EncodeCodeUPC_A>},
    {"UPC_E0", true, 2.0, 3.0, true, {9, 7}, WithText<EncodeCodeUPC_E0>},
    {"UPC_E1", true, 2.0, 3.0, true, {9, 7}, WithText<EncodeCodeUPC_E1>},
    // An add-on follows its main symbol after a gap of at least 7 modules.
    {"UPC Supp2", true, 2.0, 3.0, true, {7, 5}, WithText<EncodeCodeUPC_Supp2>},
    {"UPC Supp5", true, 2.0, 3.0, true, {7, 5}, WithText<EncodeCodeUPC_Supp5>},
    {"EAN128A", false, 0, 0, true, Ten, EncodeCode128},
    {"EAN128B", false, 0, 0, true, Ten, EncodeCode128},
    {"EAN128C", false, 0, 0, true, Ten, EncodeCode128},
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
