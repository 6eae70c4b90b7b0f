#include "databar_symbols.h"

#include "databar.h"
#include "error_messages.h"
#include "gs1.h"
#include "gs1_elements.h"

namespace quillmark {
namespace {

// The GTIN forms take the digits alone or as the element string "(01)...".
std::string_view GtinDigits(std::string_view Value) {
    constexpr std::string_view Prefix = "(01)";
    return Value.substr(0, Prefix.size()) == Prefix ? Value.substr(Prefix.size()) : Value;
}

bool IsExpanded(TBarType Type) {
    return Type == bcCodeDataBarExpanded || Type == bcCodeDataBarExpandedStacked;
}

TBarRows RowsOf(TBarType Type, const std::string& Value, const TMatrixOptions& Options) {
    switch (Type) {
    case bcCodeDataBar:
        return EncodeDataBar(GtinDigits(Value), TDataBarForm::Omnidirectional);
    case bcCodeDataBarTruncated:
        return EncodeDataBar(GtinDigits(Value), TDataBarForm::Truncated);
    case bcCodeDataBarStacked:
        return EncodeDataBar(GtinDigits(Value), TDataBarForm::Stacked);
    case bcCodeDataBarStackedOmni:
        return EncodeDataBar(GtinDigits(Value), TDataBarForm::StackedOmnidirectional);
    case bcCodeDataBarLimited:
        return EncodeDataBarLimited(GtinDigits(Value));
    case bcCodeDataBarExpanded:
        return EncodeDataBarExpanded(Value);
    case bcCodeDataBarExpandedStacked:
        // No segments would draw one row, which is the other type.
        CheckExpandedSegments(Options.DataBarSegments);
        return EncodeDataBarExpanded(Value, Options.DataBarSegments);
    default:
        throw Exception(WrongTypeMessage);
    }
}

TModuleGrid GridOf(const TBarRows& Rows, int QuietZone) {
    TModuleGrid grid;
    grid.Rows = static_cast<int>(Rows.Rows.size());
    grid.Columns = grid.Rows == 0 ? 0 : static_cast<int>(Rows.Rows.front().size());
    grid.QuietZone = QuietZone;
    grid.Dark.reserve(static_cast<std::size_t>(grid.Rows * grid.Columns));
    for (const std::string& row : Rows.Rows)
        for (const char module : row)
            grid.Dark.push_back(module == '1' ? 1 : 0);
    grid.RowHeights = Rows.Heights;
    return grid;
}

std::string DataOf(TBarType Type, const std::string& Value) {
    if (IsExpanded(Type))
        return SeparatedElementString(ReadGS1Elements(Value, Type));
    return "01" + DataBarGtin(GtinDigits(Value));
}

} // namespace

TRowsSymbol DataBarSymbol(TBarType Type, const std::string& Value, const TMatrixOptions& Options) {
    TRowsSymbol symbol;
    // The text first: its reading refuses text that isn't element strings by this type's name.
    symbol.Text =
        IsExpanded(Type) ? GS1Text(ReadGS1Elements(Value, Type)) : DataBarText(GtinDigits(Value));
    symbol.Grid = GridOf(RowsOf(Type, Value, Options), BarTypeData(Type).QuietZone.Leading);
    symbol.Data = DataOf(Type, Value);
    return symbol;
}

TCarried CarryDataBar(TBarType Type, const std::string& Value, TCheckSum) {
    TCarried carried;
    try {
        // The encoder's checks too: Limited's indicator digit, Expanded's capacity.
        carried.Data = DataBarSymbol(Type, Value, {}).Data;
    } catch (const Exception& refused) {
        carried.Departures.push_back(refused.Message());
    }
    return carried;
}

void NoPatternOfBars(TBarType Type, const std::string&, TCheckSum, std::string&, std::string&) {
    throw Exception(BarTypeName(Type) +
                    " is drawn as rows of modules: it has no pattern of bars to make.");
}

} // namespace quillmark
