// The content rules ("linters") the GS1 Barcode Syntax Dictionary names for a component of
// an AI's data, as far as the engine checks them.
#pragma once

#include "quillmark_engine_export.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmark {

enum class TGS1Linter : std::uint8_t {
    Unchecked, // a rule the engine doesn't check: code lists it doesn't carry, or unknown
    CSum,
    CSumAlpha,
    Yymmd0,
    Yymmdd,
    Yyyymmdd,
    Hh,
    Hhmi,
    Mi,
    Ss,
    YesNo,
    NonZero,
    Zero,
    Winding,
    Hyphen,
    NoZeroPrefix,
    PieceOfTotal,
    PosInSeqSlash,
    Latitude,
    Longitude,
    Iso5218,
    HasNonDigit,
    PcEnc,
    Iban,
};

// The dictionary's names of the rules checked.
inline constexpr std::array<std::pair<std::string_view, TGS1Linter>, 23> GS1LinterNames = {{
    {"csum", TGS1Linter::CSum},
    {"csumalpha", TGS1Linter::CSumAlpha},
    {"yymmd0", TGS1Linter::Yymmd0},
    {"yymmdd", TGS1Linter::Yymmdd},
    {"yyyymmdd", TGS1Linter::Yyyymmdd},
    {"hh", TGS1Linter::Hh},
    {"hhmi", TGS1Linter::Hhmi},
    {"mi", TGS1Linter::Mi},
    {"ss", TGS1Linter::Ss},
    {"yesno", TGS1Linter::YesNo},
    {"nonzero", TGS1Linter::NonZero},
    {"zero", TGS1Linter::Zero},
    {"winding", TGS1Linter::Winding},
    {"hyphen", TGS1Linter::Hyphen},
    {"nozeroprefix", TGS1Linter::NoZeroPrefix},
    {"pieceoftotal", TGS1Linter::PieceOfTotal},
    {"posinseqslash", TGS1Linter::PosInSeqSlash},
    {"latitude", TGS1Linter::Latitude},
    {"longitude", TGS1Linter::Longitude},
    {"iso5218", TGS1Linter::Iso5218},
    {"hasnondigit", TGS1Linter::HasNonDigit},
    {"pcenc", TGS1Linter::PcEnc},
    {"iban", TGS1Linter::Iban},
}};

// Resolved while the AI table is compiled, so a name the engine doesn't know stays in the
// table as unchecked rather than failing the build.
constexpr TGS1Linter GS1LinterNamed(std::string_view Name) {
    for (const auto& [name, linter] : GS1LinterNames)
        if (name == Name)
            return linter;
    return TGS1Linter::Unchecked;
}

// What a rule found wrong: Offset is the character at fault within the component, none when
// the fault is the component's value as a whole.
struct TGS1LintFault {
    std::optional<std::size_t> Offset;
    std::string Text; // "check digit should be 1, not 4"
};

// Component is the stretch of data the rule applies to, already of its length and
// character set.
std::optional<TGS1LintFault> LintGS1(TGS1Linter Linter, std::string_view Component);

// The rules named in the dictionary, by name, that the engine checks and that it doesn't.
QUILLMARK_ENGINE_EXPORT std::vector<std::string_view> CheckedGS1Linters();
QUILLMARK_ENGINE_EXPORT std::vector<std::string_view> UncheckedGS1Linters();

// The separate families of rules, each in its own file.
std::optional<TGS1LintFault> LintGS1CheckCharacters(TGS1Linter Linter, std::string_view Component);
std::optional<TGS1LintFault> LintGS1DateTime(TGS1Linter Linter, std::string_view Component);
std::optional<TGS1LintFault> LintGS1Values(TGS1Linter Linter, std::string_view Component);

} // namespace quillmark
