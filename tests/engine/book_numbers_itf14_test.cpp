// ISBN, ISMN and ISSN read as EAN-13 against the standards' own examples (ISO 2108, ISO
// 10957, ISO 3297), ITF-14 values against the GS1 check digit example (the GS1
// general standard, 7.9.1), and the refusals, each naming what is wrong. The module rows are
// compared with zint's in tests/benchmarks/peer.
#include <quillmark/book_numbers.h>
#include <quillmark/engine.h>
#include <quillmark/itf14.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace quillmark {
namespace {

using enum TBookNumberKind;

TEST(BookNumbers, ReadAsEAN13WithTheirPrintedLine) {
    struct Case {
        TBookNumberKind Kind;
        std::string Typed;
        std::string EAN13;
        std::string Printed;
        std::string AddOn = {};
    };
    const Case cases[] = {
        // ISO 2108's example, as ISBN-13 and as the ISBN-10 it replaced.
        {ISBN, "978-0-306-40615-7", "9780306406157", "ISBN 978-0-306-40615-7"},
        {ISBN, "0-306-40615-2", "9780306406157", "ISBN 978-0-306-40615-7"},
        {ISBN, "0306406152", "9780306406157", "ISBN 9780306406157"},
        {ISBN, "9780306406157", "9780306406157", "ISBN 9780306406157"},
        {ISBN, "0-8044-2957-x", "9780804429573", "ISBN 978-0-8044-2957-3"},
        {ISBN, "978-0-306-40615-7+12", "9780306406157", "ISBN 978-0-306-40615-7", "12"},
        {ISBN, "0306406152 51999", "9780306406157", "ISBN 9780306406157", "51999"},
        // ISO 10957: M stands for 979-0.
        {ISMN, "M-060-11561-5", "9790060115615", "ISMN 979-0-060-11561-5"},
        {ISMN, "979-0-060-11561-5", "9790060115615", "ISMN 979-0-060-11561-5"},
        {ISMN, "M060115615", "9790060115615", "ISMN 9790060115615"},
        // ISO 3297: 977, seven digits, the variant (00 by default), the EAN check digit.
        {ISSN, "0317-8471", "9770317847001", "ISSN 0317-8471"},
        {ISSN, "03178471", "9770317847001", "ISSN 0317-8471"},
        {ISSN, "0317-8471-05", "9770317847056", "ISSN 0317-8471"},
        {ISSN, "2434-561x", "9772434561006", "ISSN 2434-561X"},
        {ISSN, "0317-8471 03", "9770317847001", "ISSN 0317-8471", "03"},
    };
    for (const Case& c : cases) {
        const TBookNumber book = BookNumberAsEAN13(c.Kind, c.Typed);
        EXPECT_EQ(book.EAN13, c.EAN13) << c.Typed;
        EXPECT_EQ(book.Printed, c.Printed) << c.Typed;
        EXPECT_EQ(book.AddOn, c.AddOn) << c.Typed;
    }
}

struct Refusal {
    std::string Typed;
    std::string Message;
};

// Each typed value refused by Take with "<typed> : <message>".
void ExpectRefusals(const std::function<void(const std::string&)>& Take,
                    std::initializer_list<Refusal> Refusals) {
    for (const Refusal& r : Refusals) {
        try {
            Take(r.Typed);
            ADD_FAILURE() << r.Typed << " was taken";
        } catch (const Exception& refused) {
            EXPECT_EQ(refused.Message(), r.Typed + " : " + r.Message);
        }
    }
}

std::function<void(const std::string&)> AsEAN13(TBookNumberKind Kind) {
    return [Kind](const std::string& Typed) { BookNumberAsEAN13(Kind, Typed); };
}

TEST(BookNumbers, RefusalsNameWhatIsWrong) {
    ExpectRefusals(
        AsEAN13(ISBN),
        {
            {"0-306-40615-3", "Wrong check character 3; the ISBN-10 check character is 2."},
            {"978-0-306-40615-8", "Wrong check digit 8; the ISBN check digit is 7."},
            {"978-0306-40615-7", "An ISBN-13 is written in 5 parts (prefix, group, publisher, "
                                 "title, check digit) with hyphens between; this has 4."},
            {"0-306406152", "An ISBN-10 is written in 4 parts (group, publisher, title, check "
                            "character) with hyphens between; this has 2."},
            {"0-306-4061-52", "The ISBN-10 check character stands alone after the last hyphen."},
            {"978--0-306-40615-7", "A hyphen first, last or doubled leaves a part of the ISBN "
                                   "empty."},
            {"977-0-306-40615-7", "An ISBN-13 begins 978 or 979."},
            {"979-0-060-11561-5", "979-0 begins an ISMN, not an ISBN."},
            {"03064", "An ISBN has 13 digits, or 10 with X allowed last; this has 5."},
            {"03X6406152", "An ISBN-10 holds digits, and X only as its check character."},
            {"978 0 306 40615 7", "' ' has no place in an ISBN."},
        });
    ExpectRefusals(AsEAN13(ISMN),
                   {
                       {"M-060-11561-4", "Wrong check digit 4; the ISMN check digit is 5."},
                       {"979-1-060-11561-5", "A 13-digit ISMN begins 979-0."},
                       {"0060115615", "An ISMN has 13 digits beginning 979-0, or is M "
                                      "and 9 digits."},
                   });
    ExpectRefusals(AsEAN13(ISSN),
                   {
                       {"0317-8472", "Wrong check character 2; the ISSN check character "
                                     "is 1."},
                       {"031-78471", "An ISSN is written NNNN-NNNC, the hyphen optional, "
                                     "then an optional two-digit variant."},
                   });
}

TEST(ITF14, ValueGetsOrChecksTheGS1CheckDigit) {
    // GS1's worked example 629104150021 -> 3, a leading zero leaving the sum alone.
    EXPECT_EQ(ITF14Value("0629104150021"), "06291041500213");
    EXPECT_EQ(ITF14Value("06291041500213"), "06291041500213");
    ExpectRefusals([](const std::string& Value) { ITF14Value(Value); },
                   {
                       {"06291041500214", "Wrong check digit 4; the ITF-14 check digit is 3."},
                       {"062910415", "ITF-14 carries 14 digits: type 13 for the check digit to "
                                     "be added, or all 14; this has 9."},
                       {"0629104150021X", "ITF-14 carries digits only: remove 'X' at position 14."},
                   });
}

} // namespace
} // namespace quillmark
