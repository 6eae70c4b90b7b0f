// Sequences up, down and by steps, at the ends of the whole numbers, through templates, and
// the refusals, each naming the part to change.
#include "../matrix/refusal.h"

#include <sequence.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmark {
namespace {

std::vector<std::string> Values(const std::string& Range, const std::string& Template) {
    TSequence Sequence(ParseSequenceRange(Range), Template);
    std::vector<std::string> All;
    while (auto Value = Sequence.Next())
        All.push_back(*Value);
    return All;
}

TEST(Sequence, CountsThroughATemplate) {
    struct Case {
        std::string Range;
        std::string Template;
        std::vector<std::string> Values;
    };
    const Case cases[] = {
        {"1..5", "{seq}", {"1", "2", "3", "4", "5"}},
        {"3..1", "{seq}", {"3", "2", "1"}},
        {"0..10/5", "{seq}", {"0", "5", "10"}},
        {"1..10/4", "{seq}", {"1", "5", "9"}},
        {"10..-10/-7", "{seq}", {"10", "3", "-4"}},
        {"-3..-2", "{seq}", {"-3", "-2"}},
        {"7..7/-3", "{seq}", {"7"}},
        {"9223372036854775806..9223372036854775807",
         "{seq}",
         {"9223372036854775806", "9223372036854775807"}},
        {"-9223372036854775808..9223372036854775807/9223372036854775807",
         "{seq}",
         {"-9223372036854775808", "-1", "9223372036854775806"}},
        {"98..101", "QM-{seq:07}", {"QM-0000098", "QM-0000099", "QM-0000100", "QM-0000101"}},
        {"-5..-4", "{seq:04}|{seq:02}", {"-005|-5", "-004|-4"}},
        {"123..123", "{seq:02}", {"123"}},
        {"3..3", "{{{seq}}} }}{{", {"{3} }{"}},
    };
    for (const auto& Case : cases)
        EXPECT_EQ(Values(Case.Range, Case.Template), Case.Values)
            << Case.Range << " " << Case.Template;
}

TEST(Sequence, RefusalsNameThePartToChange) {
    struct Case {
        std::string Range;
        std::string Template;
        std::string Says;
    };
    const Case cases[] = {
        {"1-5", "{seq}",
         "'1-5' is not a sequence; write FROM..TO or FROM..TO/STEP, as 1..100 or 100..1/-5."},
        {"a..5", "{seq}", "The sequence 'a..5' starts at 'a', which is not a whole number"},
        {"1..", "{seq}", "The sequence '1..' ends at '', which is not a whole number"},
        {"1..5/x", "{seq}", "steps by 'x', which is not a whole number"},
        {"1..99999999999999999999", "{seq}",
         "ends at '99999999999999999999', beyond the whole numbers a sequence counts in"},
        {"1..5/0", "{seq}", "The sequence '1..5/0' steps by 0 and never moves"},
        {"1..5/-1", "{seq}",
         "The sequence '1..5/-1' never reaches 5 from 1 by steps of -1; give a positive step to "
         "count up."},
        {"5..1/2", "{seq}", "give a negative step to count down."},
        {"1..2", "QM-{seq", "The template 'QM-{seq' has a { that is not closed at character 4"},
        {"1..2", "QM-{a{seq}", "has a { that is not closed at character 4"},
        {"1..2", "QM}{seq}", "has a } that closes no field at character 3"},
        {"1..2", "{}{seq}", "has a field without a name at character 1"},
        {"1..2", "{seq:7}", "gives {seq} the width '7'; write a zero and the number"},
        {"1..2", "{seq:0}", "gives {seq} the width '0'"},
        {"1..2", "{seq:065}", "gives {seq} the width '065'"},
        {"1..2", "{seq:0x}", "gives {seq} the width '0x'"},
        {"1..2", "{seq}-{sku}",
         "has the field {sku} at character 7; a sequence's template knows only {seq}."},
        {"1..2", "QM", "The template 'QM' has no {seq}, so every value would be the same"},
    };
    for (const auto& Case : cases) {
        const auto Refusal = testing::MessageOf([&] { Values(Case.Range, Case.Template); });
        EXPECT_NE(Refusal.find(Case.Says), std::string::npos) << Refusal;
    }
}

} // namespace
} // namespace quillmark
