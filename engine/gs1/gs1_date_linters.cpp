// The rules on dates and times: YYMMDD, YYYYMMDD, hours, minutes and seconds.
#include "gs1_linters.h"

#include <array>

namespace quillmark {
namespace {

int Number(std::string_view Digits) {
    int value = 0;
    for (const char ch : Digits)
        value = value * 10 + (ch - '0');
    return value;
}

TGS1LintFault Fault(std::string Text) {
    return TGS1LintFault{std::nullopt, std::move(Text)};
}

// Two-digit years are taken as leap when divisible by four. GS1's sliding window puts a year
// within -49 and +50 of the current one, so this agrees with it up to 2049, until the
// window first reaches 2100.
bool IsLeap(int Year, bool TwoDigits) {
    if (TwoDigits)
        return Year % 4 == 0;
    return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

// Year, month and day as written; DayZero lets day 00 stand for the month as a whole.
std::optional<TGS1LintFault> CheckDate(std::string_view Year, std::string_view Month,
                                       std::string_view Day, bool DayZero) {
    constexpr std::array<int, 12> Days = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int month = Number(Month);
    if (month < 1 || month > 12)
        return Fault("month " + std::string(Month) + " is not a month");
    const int day = Number(Day);
    if (day == 0 && DayZero)
        return std::nullopt;
    if (day < 1 || day > Days[month - 1])
        return Fault("day " + std::string(Day) + " is not a day of month " + std::string(Month));
    const bool twoDigits = Year.size() == 2;
    if (month == 2 && day == 29 && !IsLeap(Number(Year), twoDigits))
        return Fault("day 29 is not a day of month 02 in " + std::string(twoDigits ? "year " : "") +
                     std::string(Year));
    return std::nullopt;
}

std::optional<TGS1LintFault> CheckRange(std::string_view Text, int Most, const char* Unit) {
    if (Number(Text) <= Most)
        return std::nullopt;
    const std::string unit = Unit;
    return Fault(unit + " " + std::string(Text) + " is not " + (unit == "hour" ? "an " : "a ") +
                 unit);
}

// The form each rule reads, whose length the component must have.
std::string_view FormOf(TGS1Linter Linter) {
    switch (Linter) {
    case TGS1Linter::Yymmd0:
    case TGS1Linter::Yymmdd:
        return "YYMMDD";
    case TGS1Linter::Yyyymmdd:
        return "YYYYMMDD";
    case TGS1Linter::Hhmi:
        return "HHMM";
    default:
        return "NN";
    }
}

} // namespace

std::optional<TGS1LintFault> LintGS1DateTime(TGS1Linter Linter, std::string_view Component) {
    const std::string_view c = Component;
    if (const std::string_view form = FormOf(Linter); c.size() != form.size())
        return Fault(std::string(c) + " is not of the form " + std::string(form));
    switch (Linter) {
    case TGS1Linter::Yymmd0:
    case TGS1Linter::Yymmdd:
        return CheckDate(c.substr(0, 2), c.substr(2, 2), c.substr(4, 2),
                         Linter == TGS1Linter::Yymmd0);
    case TGS1Linter::Yyyymmdd:
        return CheckDate(c.substr(0, 4), c.substr(4, 2), c.substr(6, 2), false);
    case TGS1Linter::Hh:
        return CheckRange(c, 23, "hour");
    case TGS1Linter::Hhmi:
        if (auto fault = CheckRange(c.substr(0, 2), 23, "hour"))
            return fault;
        return CheckRange(c.substr(2, 2), 59, "minute");
    case TGS1Linter::Mi:
        return CheckRange(c, 59, "minute");
    case TGS1Linter::Ss:
        return CheckRange(c, 59, "second");
    default:
        return std::nullopt;
    }
}

} // namespace quillmark
