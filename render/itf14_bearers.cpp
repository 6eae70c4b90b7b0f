#include "itf14_bearers.h"

#include "quarter_turn.h"
#include <quillmark/error_messages.h>
#include <quillmark/itf14.h>

#include <string>

namespace quillmark {

namespace {

TQuarterTurn TurnOf(const TSymbolBox& Box, int Width) {
    const std::optional<int> turns = QuarterTurns(Box.Angle);
    if (!turns)
        throw Exception(InternalErrorMessage);
    return TQuarterTurn(*turns, Box.Left, Box.Top, Width, Box.Height);
}

} // namespace

std::optional<TBearerBars> BearerBarsOf(const TSymbolLook& Look, int Modul,
                                        std::optional<int> Zone) {
    if (Look.BarType != bcCodeITF14 || Look.Bearers == TITF14Bearers::None)
        return std::nullopt;
    if (Look.BearerModules < ITF14Facts.BearerMinModules ||
        Look.BearerModules > ITF14BearerMostModules)
        throw Exception(std::to_string(Look.BearerModules) + " : ITF-14's bearer bars are " +
                        std::to_string(ITF14Facts.BearerMinModules) + " to " +
                        std::to_string(ITF14BearerMostModules) +
                        " modules thick; give a bearer width in that range.");
    return TBearerBars{Look.BearerModules * Modul,
                       Zone.value_or(ITF14Facts.QuietZoneModules * Modul),
                       Look.Bearers == TITF14Bearers::Frame};
}

TSymbolBox RowsOfBox(const TSymbolBox& Box, int FirstRow, int Height) {
    const std::optional<int> turns = QuarterTurns(Box.Angle);
    if (!turns)
        throw Exception(InternalErrorMessage);
    // The turned box's corner moves down the rows, or across them where the turn runs
    // them the other way (TQuarterTurn's map).
    const int after = Box.Height - FirstRow - Height;
    switch (*turns) {
    case 1:
        return {Box.Left + FirstRow, Box.Top, Height, Box.Angle};
    case 2:
        return {Box.Left, Box.Top + after, Height, Box.Angle};
    case 3:
        return {Box.Left + after, Box.Top, Height, Box.Angle};
    default:
        return {Box.Left, Box.Top + FirstRow, Height, Box.Angle};
    }
}

TSymbolBox BarsInside(const TBearerBars& Bearers, const TSymbolBox& Outer) {
    return RowsOfBox(Outer, Bearers.Thickness, Outer.Height - 2 * Bearers.Thickness);
}

std::vector<TBarFill> BearerFills(const TBearerBars& Bearers, const TSymbolBox& Outer, int Width) {
    const TQuarterTurn turn = TurnOf(Outer, Width);
    const long long t = Bearers.Thickness;
    const long long last = Outer.Height;
    // Columns from the frame's outer edge before the bars to its outer edge after them.
    const long long first = -static_cast<long long>(Bearers.Reach());
    const long long end = Width - 1LL + Bearers.Reach();
    const auto fill = [&](long long X0, long long X1, long long Y0, long long Y1, bool Bar) {
        return TBarFill{DrawableRect(turn.Map(X0, X1, Y0, Y1)), Bar};
    };
    std::vector<TBarFill> fills;
    // The quiet zones between the bearers, which the bars' own fills don't cover.
    if (Bearers.Zone > 0) {
        fills.push_back(fill(-static_cast<long long>(Bearers.Zone), -1, t, last - t, false));
        fills.push_back(fill(Width, Width - 1LL + Bearers.Zone, t, last - t, false));
    }
    fills.push_back(fill(first, end, 0, t - 1, true));
    fills.push_back(fill(first, end, last - t + 1, last, true));
    if (Bearers.Sides) {
        fills.push_back(fill(first, first + t - 1, t, last - t, true));
        fills.push_back(fill(end - t + 1, end, t, last - t, true));
    }
    return fills;
}

} // namespace quillmark
