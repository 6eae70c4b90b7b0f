// The names the command line gives each setting's values, in the order its help and its
// errors list them: the one list of each, which parsing and the help text both read.
#pragma once

#include <quillmark/description.h>
#include <quillmark/file_formats.h>
#include <quillmark/inks.h>
#include <quillmark/zpl.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark::cli {

// A value's name: fixed text in the constant lists, made text where a name is derived.
template <typename T> struct TNamed {
    std::string_view Name;
    T Value;
};
template <typename T> struct TChoice {
    std::string Name;
    T Value;
};

// Whether Names gives each of the enumeration's Count values exactly one name, so that a
// value added to the enumeration fails the build until it is named here.
template <typename T, std::size_t Count>
constexpr bool NamesEachOnce(const std::array<TNamed<T>, Count>& Names) {
    std::array<int, Count> seen{};
    for (const TNamed<T>& name : Names) {
        const auto value = static_cast<std::size_t>(name.Value);
        if (value >= Count || seen[value]++ > 0)
            return false;
    }
    return true;
}

inline constexpr std::array<TNamed<TCheckDigits>, CheckDigitsCount> CheckDigitNames{
    {{"auto", TCheckDigits::Auto}, {"none", TCheckDigits::None}, {"mod10", TCheckDigits::Mod10}}};
inline constexpr std::array<TNamed<TTextShow>, TextShowCount> TextShowNames{
    {{"none", tsNone}, {"value", tsBarCode}, {"type", tsBarType}, {"both", tsBoth}}};
inline constexpr std::array<TNamed<TTextPosition>, TextPositionCount> TextPositionNames{
    {{"top-left", tpTopLeft},
     {"top-center", tpTopCenter},
     {"top-right", tpTopRight},
     {"bottom-left", tpBottomLeft},
     {"bottom-center", tpBottomCenter},
     {"bottom-right", tpBottomRight}}};
inline constexpr std::array<TNamed<TTextLayout>, TextLayoutCount> TextLayoutNames{
    {{"standard", tlStandard}, {"over-bars", tlOverBars}}};
// --ecc: the levels by their letters; --dm-size: the automatic sizes by shape, auto taking
// the smaller of a square and a rectangle.
inline constexpr std::array<TNamed<TQrLevel>, QrLevelCount> QrLevelNames{
    {{"L", TQrLevel::L}, {"M", TQrLevel::M}, {"Q", TQrLevel::Q}, {"H", TQrLevel::H}}};
inline constexpr std::array<TNamed<TDataMatrixShape>, DataMatrixShapeCount> DataMatrixShapeNames{
    {{"auto", TDataMatrixShape::Any},
     {"square", TDataMatrixShape::Square},
     {"rectangle", TDataMatrixShape::Rectangle}}};

// --bearer: ITF-14's bearer bars. TITF14Bearers has no count of its own; None is its last.
inline constexpr int BearersCount = static_cast<int>(TITF14Bearers::None) + 1;
inline constexpr std::array<TNamed<TITF14Bearers>, BearersCount> BearerNames{
    {{"frame", TITF14Bearers::Frame},
     {"bars", TITF14Bearers::TopAndBottom},
     {"none", TITF14Bearers::None}}};

// --colour-model: the inks of the colours not given as CMYK.
inline constexpr std::array<TNamed<TColourModel>, ColourModelCount> ColourModelNames{
    {{"rgb", TColourModel::Rgb}, {"cmyk", TColourModel::Cmyk}}};
// --zpl: the symbol as Quillmark draws it, or the printer's own command.
inline constexpr int ZplFormCount = static_cast<int>(TZplForm::Native) + 1;
inline constexpr std::array<TNamed<TZplForm>, ZplFormCount> ZplFormNames{
    {{"graphic", TZplForm::Graphic}, {"native", TZplForm::Native}}};

static_assert(NamesEachOnce(CheckDigitNames));
static_assert(NamesEachOnce(ZplFormNames));
static_assert(NamesEachOnce(TextShowNames));
static_assert(NamesEachOnce(TextPositionNames));
static_assert(NamesEachOnce(TextLayoutNames));
static_assert(NamesEachOnce(QrLevelNames));
static_assert(NamesEachOnce(DataMatrixShapeNames));
static_assert(NamesEachOnce(BearerNames));
static_assert(NamesEachOnce(ColourModelNames));

// --rotate: each reading direction by its counter-clockwise angle (AngleOf), by size.
const std::vector<TChoice<TOrientation>>& RotateChoices();
// --format: each file format by its extension, in the formats' order.
const std::vector<TChoice<TFileFormat>>& FormatChoices();

// The name Choices give Value (each list above names every value).
template <typename Range, typename T> std::string NameOf(const Range& Choices, T Value) {
    for (const auto& choice : Choices)
        if (choice.Value == Value)
            return std::string(choice.Name);
    return {};
}

// The names joined by Separator: "none, value, type, both" or "none|value|type|both".
template <typename Range> std::string JoinNames(const Range& Choices, std::string_view Separator) {
    std::string text;
    for (const auto& choice : Choices)
        text += (text.empty() ? "" : std::string(Separator)) + std::string(choice.Name);
    return text;
}

} // namespace quillmark::cli
