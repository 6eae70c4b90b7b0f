#include "check_digits.h"

#include <quillmark/ean_upc.h>

#include <algorithm>
#include <array>
#include <optional>

namespace quillmark {
namespace {

bool Digits(std::string_view Text) {
    return !Text.empty() &&
           std::all_of(Text.begin(), Text.end(), [](char Ch) { return Ch >= '0' && Ch <= '9'; });
}

// Data of Length - 1 digits with its check digit appended; none for anything else, which
// the engine takes or refuses as it would a value typed in (a wrong check digit is refused,
// never put right).
std::optional<std::string> Completed(std::string_view Data, std::size_t Length) {
    if (!Digits(Data) || Data.size() + 1 != Length)
        return std::nullopt;
    return std::string(Data) + GS1Mod10(Data);
}

struct TCheckedAI {
    std::string_view AI;
    std::size_t Length; // of the data, check digit included
};

// The element strings whose fixed-length numeric data ends in a GS1 check digit.
constexpr std::array<TCheckedAI, 13> CheckedAIs{{{"00", 18},
                                                 {"01", 14},
                                                 {"02", 14},
                                                 {"410", 13},
                                                 {"411", 13},
                                                 {"412", 13},
                                                 {"413", 13},
                                                 {"414", 13},
                                                 {"415", 13},
                                                 {"416", 13},
                                                 {"417", 13},
                                                 {"8017", 18},
                                                 {"8018", 18}}};

constexpr std::size_t GTINLength = 14;
constexpr std::string_view GTINPrefix = "(01)";

bool TakesGTIN(TBarType Type) {
    return Type == bcCodeITF14 || Type == bcCodeDataBar || Type == bcCodeDataBarTruncated ||
           Type == bcCodeDataBarStacked || Type == bcCodeDataBarStackedOmni ||
           Type == bcCodeDataBarLimited;
}

bool TakesElementStrings(TBarType Type) {
    return Type == bcCodeGS1_128 || Type == bcCodeGS1DataMatrix || Type == bcCodeGS1DigitalLinkQR ||
           Type == bcCodeDataBarExpanded || Type == bcCodeDataBarExpandedStacked;
}

// The digits EAN/UPC's check digit is computed over; UPC-E's are its six.
struct TDataDigits {
    TBarType Type;
    std::size_t Digits;
};
constexpr std::array<TDataDigits, 3> LongerData{
    {{bcCodeEAN8, 7}, {bcCodeEAN13, 12}, {bcCodeUPC_A, 11}}};
constexpr std::size_t UPCEData = 6;

std::size_t DataDigits(TBarType Type) {
    const auto Found = std::find_if(LongerData.begin(), LongerData.end(),
                                    [Type](const TDataDigits& D) { return D.Type == Type; });
    return Found == LongerData.end() ? UPCEData : Found->Digits;
}

std::string EANUPC(TBarType Type, std::string_view Value) {
    const auto Split = SplitAddOn(Type, std::string(Value));
    const std::string Main = Split ? Split->Main : std::string(Value);
    const std::size_t Data = DataDigits(Type);
    std::string Done = Main;
    if (Digits(Main) && Main.size() == Data)
        Done += GS1CheckDigit(Type, Main);
    return Split ? Done + Split->Separator + Split->AddOn : Done;
}

// Each "(AI)data" or "[AI]data" of Value, a check digit made right where the AI has one. A
// backslash keeps the next character from opening an AI, as ParseGS1 reads it.
std::string ElementStrings(std::string_view Value) {
    std::string Done;
    std::size_t At = 0;
    while (At < Value.size()) {
        const char Open = Value[At];
        const char Close = Open == '(' ? ')' : Open == '[' ? ']' : 0;
        const auto End = Close ? Value.find(Close, At) : std::string_view::npos;
        if (End == std::string_view::npos)
            return Done + std::string(Value.substr(At));
        const std::string_view AI = Value.substr(At + 1, End - At - 1);
        std::size_t Next = End + 1;
        while (Next < Value.size() && Value[Next] != Open)
            Next += Value[Next] == '\\' ? 2 : 1;
        Next = std::min(Next, Value.size());
        const std::string_view Data = Value.substr(End + 1, Next - End - 1);
        Done += Value.substr(At, End + 1 - At);
        const auto Checked = std::find_if(CheckedAIs.begin(), CheckedAIs.end(),
                                          [&](const TCheckedAI& C) { return C.AI == AI; });
        const auto Made =
            Checked != CheckedAIs.end() ? Completed(Data, Checked->Length) : std::nullopt;
        Done += Made ? *Made : std::string(Data);
        At = Next;
    }
    return Done;
}

} // namespace

char GS1Mod10(std::string_view Digits) {
    // EAN-13's check digit is this one over its twelve digits, and over any other length too.
    return GS1CheckDigit(bcCodeEAN13, Digits);
}

std::string WithCheckDigits(TBarType Type, std::string_view Value) {
    if (HasGS1CheckDigit(Type))
        return EANUPC(Type, Value);
    if (TakesGTIN(Type)) {
        const bool Prefixed = Value.substr(0, GTINPrefix.size()) == GTINPrefix;
        const auto Made = Completed(Value.substr(Prefixed ? GTINPrefix.size() : 0), GTINLength);
        return Made ? (Prefixed ? std::string(GTINPrefix) : std::string()) + *Made
                    : std::string(Value);
    }
    if (TakesElementStrings(Type))
        return ElementStrings(Value);
    return std::string(Value);
}

} // namespace quillmark
