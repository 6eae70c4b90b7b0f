#include "matrix_options.h"

#include "option_values.h"
#include <quillmark/decimal_text.h>
#include <quillmark/digital_link.h>
#include <quillmark/drawing_bounds.h>
#include <quillmark/matrix.h>
#include <quillmark/type_options.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace quillmark::cli {

namespace {

// The name --qr-version gives the smallest version that holds the data.
constexpr std::string_view AutomaticVersion = "auto";
// Data every symbol holds at every level and size (Micro QR M1 takes digits only), and a
// primary key every Digital Link takes: what the options are tried with before any value.
constexpr std::string_view SampleData = "1";
constexpr const char* SampleElementString = "(01)09501101530003";

bool TakesQrOptions(TBarType Type) {
    return OptionsOf(Type).QrOptions;
}
bool TakesDataMatrixOptions(TBarType Type) {
    return OptionsOf(Type).DataMatrixSize;
}
bool TakesDigitalLinkDomain(TBarType Type) {
    return OptionsOf(Type).DigitalLinkDomain;
}
bool TakesBearers(TBarType Type) {
    return OptionsOf(Type).Bearers;
}
bool TakesSegments(TBarType Type) {
    return OptionsOf(Type).DataBarSegments;
}
bool ReducesBars(TBarType Type) {
    return OptionsOf(Type).BarWidthReduction;
}
// GS1 DataBar's rows fix their heights and widths as grids do.
bool DrawsBars(TBarType Type) {
    return OptionsOf(Type).BarHeight;
}

struct TScope {
    std::string_view Option;
    bool (*Applies)(TBarType);
    std::string_view Kind;   // the types it applies to, where naming each would be too long
    std::string_view Rows{}; // why GS1 DataBar doesn't take it
};

constexpr std::string_view OneDimensional = "the one-dimensional symbologies";

constexpr std::array<TScope, 10> Scopes{{
    {"ecc", TakesQrOptions, {}},
    {"qr-version", TakesQrOptions, {}},
    {"dm-size", TakesDataMatrixOptions, {}},
    {"dl-domain", TakesDigitalLinkDomain, {}},
    {"bearer", TakesBearers, {}},
    {"bearer-width", TakesBearers, {}},
    {"segments", TakesSegments, {}},
    {"height", DrawsBars, OneDimensional, "GS1 DataBar's rows have the heights its standard sets"},
    {"ratio", DrawsBars, OneDimensional, "GS1 DataBar's elements have no wide-to-narrow ratio"},
    {"bwr", ReducesBars, OneDimensional},
}};

// "QR Code, Micro QR Code and GS1 Digital Link QR Code": the catalogue's names.
std::string TypesNamed(bool (*Applies)(TBarType)) {
    std::vector<std::string> names;
    for (int i = 0; i < BarTypeCount; ++i)
        if (Applies(static_cast<TBarType>(i)))
            names.push_back(BarTypeName(static_cast<TBarType>(i)));
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

// A whole number from Low, or none.
std::optional<int> WholeFrom(std::string_view Text, int Low) {
    const std::optional<int> value = WholeNumber(Text);
    return value && *value >= Low ? value : std::nullopt;
}

} // namespace

void RefuseWhereInapplicable(std::string_view Option, TBarType Type) {
    for (const TScope& scope : Scopes) {
        if (scope.Option != Option || scope.Applies(Type))
            continue;
        // GS1 DataBar is one-dimensional too: it is refused for its own reason.
        if (!IsTwoDimensional(Type) && !scope.Rows.empty())
            throw UsageError("--" + std::string(Option) + " doesn't apply to " + BarTypeName(Type) +
                             ": " + std::string(scope.Rows));
        throw UsageError(
            "--" + std::string(Option) + " applies to " +
            (scope.Kind.empty() ? TypesNamed(scope.Applies) : std::string(scope.Kind)) +
            ", not to " + BarTypeName(Type));
    }
}

bool Applies(std::string_view Option, TBarType Type) {
    const auto scope = std::find_if(Scopes.begin(), Scopes.end(),
                                    [Option](const TScope& S) { return S.Option == Option; });
    return scope == Scopes.end() || scope->Applies(Type);
}

int QrVersion(const std::string& Text, TBarType Type) {
    if (Text == AutomaticVersion)
        return 0;
    const bool micro = Type == bcCodeMicroQR;
    const int largest = micro ? LargestMicroVersion : LargestQrVersion;
    std::string_view digits = Text;
    if (micro && !digits.empty() && (digits.front() == 'M' || digits.front() == 'm'))
        digits.remove_prefix(1);
    const std::optional<int> version = WholeFrom(digits, 1);
    if (!version || *version > largest) {
        const std::string prefix = micro ? "M" : "";
        Refuse("qr-version", Text,
               "choose " + std::string(AutomaticVersion) + " or " + prefix + "1 to " + prefix +
                   std::to_string(largest) + " for " + BarTypeName(Type));
    }
    return *version;
}

int DataBarSegments(const std::string& Text) {
    const std::optional<int> segments = WholeFrom(Text, ExpandedSegmentsLeast);
    if (!segments || *segments > ExpandedSegmentsMost || *segments % 2 != 0)
        Refuse("segments", Text,
               "choose an even number from " + std::to_string(ExpandedSegmentsLeast) + " to " +
                   std::to_string(ExpandedSegmentsMost));
    return *segments;
}

int BearerModules(const std::string& Text, double XDimensionMM) {
    constexpr std::string_view Millimetres = "mm";
    const int least = ITF14Facts.BearerMinModules;
    const int most = ITF14BearerMostModules;
    if (!Text.ends_with(Millimetres))
        return Whole("bearer-width", Text, least, most);
    const std::string number = Text.substr(0, Text.size() - Millimetres.size());
    double mm = 0;
    try {
        mm = Number("bearer-width", number, 0, most * XDimensionMM);
    } catch (const UsageError&) {
        Refuse("bearer-width", Text,
               "write millimetres from " + ShortestText(least * XDimensionMM) + " to " +
                   ShortestText(most * XDimensionMM) + " at X " + ShortestText(XDimensionMM) +
                   " mm, or modules from " + std::to_string(least) + " to " + std::to_string(most));
    }
    const auto modules = static_cast<int>(std::lround(mm / XDimensionMM));
    if (modules < least)
        Refuse("bearer-width", Text,
               "at X " + ShortestText(XDimensionMM) + " mm that rounds to " +
                   std::to_string(modules) + (modules == 1 ? " module" : " modules") +
                   "; give at least " + ShortestText(least * XDimensionMM) + " mm (" +
                   std::to_string(least) + " modules)");
    return modules;
}

void SetDataMatrixSize(TMatrixOptions& Options, const std::string& Text) {
    for (const auto& shape : DataMatrixShapeNames)
        if (shape.Name == Text) {
            Options.DataMatrixShape = shape.Value;
            Options.DataMatrixRows = Options.DataMatrixColumns = 0;
            return;
        }
    const std::size_t x = Text.find('x');
    const std::optional<int> rows = WholeFrom(std::string_view(Text).substr(0, x), 0);
    const std::optional<int> columns =
        x == std::string::npos ? std::nullopt : WholeFrom(std::string_view(Text).substr(x + 1), 0);
    if (!rows || !columns)
        Refuse("dm-size", Text,
               "choose " + JoinNames(DataMatrixShapeNames, ", ") +
                   " or ROWSxCOLUMNS, such as 16x16 or 8x32");
    Options.DataMatrixRows = *rows;
    Options.DataMatrixColumns = *columns;
}

void CheckMatrixOptions(TBarType Type, const TMatrixOptions& Options) {
    if (!IsTwoDimensional(Type))
        return;
    try {
        EncodeMatrixSymbol(Type, SampleData, Options);
        if (TakesDigitalLinkDomain(Type))
            DigitalLinkURI(SampleElementString, Options.DigitalLinkDomain);
    } catch (const Exception& refused) {
        throw UsageError(refused.Message());
    }
}

} // namespace quillmark::cli
