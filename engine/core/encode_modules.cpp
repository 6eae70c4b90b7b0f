#include "encode_modules.h"

#include "ean_upc.h"
#include "encoders.h"
#include "error_messages.h"

namespace quillmark {

namespace {

[[noreturn, gnu::noinline]] void RaiseNotNumeric(const std::string& Value) {
    throw Exception(Quoting(Value, NotNumericMessage));
}

} // namespace

const TBCdata* CatalogueRow(TBarType Type) {
    return static_cast<int>(Type) < BarTypeCount ? &BarTypeData(Type) : nullptr;
}

void ClampRatio(const TBCdata* Row, double& Ratio) {
    if (Row == nullptr || Row->RatioLower == 0)
        return;
    if (!(Ratio >= Row->RatioLower))
        Ratio = Row->RatioLower;
    if (Ratio > Row->RatioUpper)
        Ratio = Row->RatioUpper;
}

void EncodeModules(TBarType Type, const std::string& Value, TCheckSum CheckSum, std::string& Text,
                   std::string& Pattern) {
    const TBCdata* row = CatalogueRow(Type);
    if (row == nullptr)
        throw Exception(WrongTypeMessage);
    if (row->DigitsOnly && !AllDigits(Value) && !SplitAddOn(Type, Value))
        RaiseNotNumeric(Value);
    row->Encoder(Type, Value, CheckSum, Text, Pattern);
}

} // namespace quillmark
