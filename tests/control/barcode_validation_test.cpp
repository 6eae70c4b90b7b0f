// Validation of new values, the OnInvalidChar retry loops and their ending, the value kept
// after each failure, and the BarType writer's handler path.
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>

#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <string>
#include <vector>

namespace quillmark {
namespace {

// The control's own error: value, colon, blank, message.
std::string NotNumeric(const std::string& Value) {
    return Value + ": Barcode must be numeric.";
}

// Runs Write and gives the message of the Exception it raises ("" when none).
template <typename F> std::string ErrorOf(F&& Write) {
    try {
        Write();
    } catch (const Exception& error) {
        return error.what();
    }
    return "";
}

// A control of a digits-only type holding "123", with a handler that answers from a script
// and records what it was offered.
struct Scripted {
    explicit Scripted(TBarType Type, std::vector<std::string> Answers = {}) : answers(Answers) {
        control.SetBarType(Type);
        control.SetBarCode("123");
        control.SetOnChange([this](TBarCode&) { ++changes; });
        control.SetOnInvalidChar([this](TBarCode&, std::string& value) {
            offered.push_back(value);
            if (next < answers.size())
                value = answers[next++];
        });
    }
    TBarCode control;
    std::vector<std::string> answers;
    std::size_t next = 0;
    std::vector<std::string> offered;
    int changes = 0;
};

TEST(BarCodeValidation, DigitsOnlyRefusedWithoutHandlerKeepsOldValue) {
    TBarCode control;
    control.SetBarType(bcCodeEAN13);
    control.SetBarCode("123");
    int changes = 0;
    control.SetOnChange([&](TBarCode&) { ++changes; });
    EXPECT_EQ(ErrorOf([&] { control.SetBarCode("12A4"); }), NotNumeric("12A4"));
    EXPECT_EQ(control.BarCode(), "123");
    EXPECT_EQ(changes, 0);
}

// An EAN/UPC value with a 2- or 5-digit add-on is taken and drawn as one symbol; any other
// shape, and any other digits-only type, is refused as before.
TEST(BarCodeValidation, EANUPCValuesTakeAnAddOn) {
    const struct {
        TBarType Type;
        const char* Value;
        bool Taken;
    } cases[] = {
        {bcCodeEAN13, "9780306406157+51299", true}, {bcCodeUPC_A, "036000291452 12", true},
        {bcCodeEAN13, "9780306406157+5129", false}, {bcCodeEAN13, "+51299", false},
        {bcCode_2_5_interleaved, "1234+56", false},
    };
    for (const auto& c : cases) {
        TBarCode control;
        control.SetBarType(c.Type);
        const std::string error = ErrorOf([&] { control.SetBarCode(c.Value); });
        EXPECT_EQ(error.empty(), c.Taken) << c.Value << ": " << error;
        if (c.Taken) {
            EXPECT_GT(control.PatternWidth(c.Type, c.Value, 1, 2, csNone), 95 + 9 + 19);
        }
    }
}

TEST(BarCodeValidation, DigitsOnlyHandlerCorrection) {
    Scripted s(bcCodeEAN13, {"1234"});
    s.control.SetBarCode("12A4");
    EXPECT_EQ(s.control.BarCode(), "1234");
    EXPECT_EQ(s.offered, std::vector<std::string>{"12A4"});
    EXPECT_EQ(s.changes, 1);
}

TEST(BarCodeValidation, DigitsOnlyCorrectionInSeveralRounds) {
    Scripted s(bcCode_2_5_industrial, {"1X", "1Y", "17"});
    s.control.SetBarCode("1W");
    EXPECT_EQ(s.control.BarCode(), "17");
    EXPECT_EQ(s.offered, (std::vector<std::string>{"1W", "1X", "1Y"}));
}

TEST(BarCodeValidation, DigitsOnlyHandlerReturningTheValueEndsWithError) {
    Scripted s(bcCode_2_5_industrial);
    EXPECT_EQ(ErrorOf([&] { s.control.SetBarCode("9Z"); }), NotNumeric("9Z"));
    EXPECT_EQ(s.offered.size(), 1u);
    EXPECT_EQ(s.control.BarCode(), "123");
}

TEST(BarCodeValidation, DigitsOnlyHandlerCyclingEnds) {
    // Two refused values handed back in turn: the second offer of "B1" ends the write.
    Scripted s(bcCode_2_5_industrial, {"B1", "A1", "B1", "A1", "B1"});
    EXPECT_EQ(ErrorOf([&] { s.control.SetBarCode("A1"); }), NotNumeric("A1"));
    EXPECT_EQ(s.offered, (std::vector<std::string>{"A1", "B1"}));
    EXPECT_EQ(s.control.BarCode(), "123");
}

TEST(BarCodeValidation, DigitsOnlyHandlerWithEndlessNewValuesEnds) {
    TBarCode control;
    control.SetBarType(bcCodeMSI);
    int calls = 0;
    control.SetOnInvalidChar([&](TBarCode&, std::string& value) {
        ++calls;
        value += "x";
    });
    EXPECT_EQ(ErrorOf([&] { control.SetBarCode("x"); }), NotNumeric("x"));
    EXPECT_EQ(calls, TBarCode::MaxInvalidCharRounds);
    EXPECT_EQ(control.BarCode(), "");
}

TEST(BarCodeValidation, DigitsOnlyTrimsBlanksForTheTestButStoresThem) {
    TBarCode control;
    control.SetBarType(bcCode_2_5_industrial);
    // Passes the check, is stored with its blanks, and the repaint raises the engine's error.
    EXPECT_EQ(ErrorOf([&] { control.SetBarCode(" 12\t"); }), " 12\t : Barcode must be numeric.");
    EXPECT_EQ(control.BarCode(), " 12\t");
    // Characters above 127 are not blanks.
    EXPECT_EQ(ErrorOf([&] {
                  control.SetBarCode("\xa0"
                                     "12");
              }),
              NotNumeric("\xa0"
                         "12"));
}

TEST(BarCodeValidation, EqualValueSkipsValidation) {
    Scripted s(bcCode_2_5_industrial);
    s.control.SetBarCode("123");
    EXPECT_TRUE(s.offered.empty());
    EXPECT_EQ(s.changes, 0);
}

TEST(BarCodeValidation, FreeTypeRefusedValueStaysStored) {
    // Codabar refuses lower-case letters in its encoder, not by the digits test.
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    control.SetBarCode("123");
    EXPECT_EQ(ErrorOf([&] { control.SetBarCode("abc"); }), NotNumeric("abc"));
    EXPECT_EQ(control.BarCode(), "abc");
    // Later paints raise the engine's own error again.
    EXPECT_NE(ErrorOf([&] { control.Repaint(); }), "");
}

TEST(BarCodeValidation, FreeTypeHandlerCorrection) {
    Scripted s(bcCodeCodabar, {"456"});
    s.control.SetBarCode("abc");
    EXPECT_EQ(s.control.BarCode(), "456");
    EXPECT_EQ(s.offered, std::vector<std::string>{"abc"});
    EXPECT_EQ(s.changes, 1);
}

TEST(BarCodeValidation, FreeTypeHandlerReturningTheValueEndsWithError) {
    Scripted s(bcCodeCodabar, {"xyz", "abc"});
    EXPECT_EQ(ErrorOf([&] { s.control.SetBarCode("abc"); }), NotNumeric("abc"));
    EXPECT_EQ(s.offered, (std::vector<std::string>{"abc", "xyz"}));
    // The value last stored and refused stays.
    EXPECT_EQ(s.control.BarCode(), "xyz");
}

TEST(BarCodeValidation, FreeTypeHandlerRepeatingARefusedValueEnds) {
    Scripted s(bcCodeCodabar, {"xyz", "xyz", "xyz"});
    EXPECT_EQ(ErrorOf([&] { s.control.SetBarCode("abc"); }), NotNumeric("abc"));
    EXPECT_EQ(s.offered, (std::vector<std::string>{"abc", "xyz"}));
    EXPECT_EQ(s.control.BarCode(), "xyz");
    EXPECT_EQ(s.changes, 0);
}

TEST(BarCodeValidation, FreeTypeHandlerWithEndlessNewValuesEnds) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    int calls = 0;
    control.SetOnInvalidChar([&](TBarCode&, std::string& value) {
        ++calls;
        value += "q";
    });
    EXPECT_EQ(ErrorOf([&] { control.SetBarCode("q"); }), NotNumeric("q"));
    EXPECT_EQ(calls, TBarCode::MaxInvalidCharRounds);
    EXPECT_EQ(control.BarCode(), std::string(TBarCode::MaxInvalidCharRounds + 1, 'q'));
}

TEST(BarCodeValidation, BarTypeChangeWithoutHandlerRaisesAndKeepsType) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    control.SetBarCode("12A");
    EXPECT_EQ(ErrorOf([&] { control.SetBarType(bcCodeMSI); }), "12A : Barcode must be numeric.");
    EXPECT_EQ(control.BarType(), bcCodeMSI);
    EXPECT_EQ(control.BarCode(), "12A");
}

TEST(BarCodeValidation, BarTypeChangeHandlerReplacesValueWithoutRepaint) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    control.SetBarCode("12A");
    int changes = 0;
    std::vector<std::string> offered;
    control.SetOnChange([&](TBarCode&) { ++changes; });
    control.SetOnInvalidChar([&](TBarCode&, std::string& value) {
        offered.push_back(value);
        value = "still bad"; // stored as it is, no validation
    });
    EXPECT_NO_THROW(control.SetBarType(bcCodeMSI));
    EXPECT_EQ(offered, std::vector<std::string>{"12A"});
    EXPECT_EQ(control.BarType(), bcCodeMSI);
    EXPECT_EQ(control.BarCode(), "still bad");
    EXPECT_EQ(changes, 0);
}

TEST(BarCodeValidation, BarTypeHandlerCorrectsTheStoredValueInPlace) {
    struct Case {
        const char* Name;
        std::function<void(TBarCode&, std::string&)> Handler;
    };
    const Case cases[] = {
        {"through the reference", [](TBarCode&, std::string& value) { value = "123"; }},
        {"through the sender", [](TBarCode& sender, std::string&) { sender.SetBarCode("123"); }},
    };
    TBarCode reference;
    reference.SetBarType(bcCodeMSI);
    reference.SetBarCode("123");
    const QImage expected = reference.grab().toImage();
    for (const Case& c : cases) {
        TBarCode control;
        control.SetBarType(bcCodeCodabar);
        control.SetBarCode("12A");
        control.SetOnInvalidChar(c.Handler);
        int reports = 0;
        SetErrorReporter([&](const std::exception&) { ++reports; });
        EXPECT_NO_THROW(control.SetBarType(bcCodeMSI)) << c.Name;
        EXPECT_EQ(control.BarCode(), "123") << c.Name;
        // The windowing system's next paint draws the corrected value.
        EXPECT_EQ(control.grab().toImage(), expected) << c.Name;
        EXPECT_EQ(reports, 0) << c.Name;
        SetErrorReporter({});
    }
}

TEST(BarCodeValidation, BarTypeHandlerLeavingABadValueFailsTheNextPaintEvent) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    control.SetBarCode("12A");
    control.SetOnInvalidChar([](TBarCode&, std::string& value) { value = "still bad"; });
    std::vector<std::string> reports;
    SetErrorReporter([&](const std::exception& e) { reports.push_back(e.what()); });
    control.SetBarType(bcCodeMSI);
    control.grab();
    EXPECT_EQ(reports, std::vector<std::string>{"still bad : Barcode must be numeric."});
    SetErrorReporter({});
}

TEST(BarCodeValidation, OtherWritersLetPaintingErrorsOutAndKeepTheirValue) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    EXPECT_THROW(control.SetBarCode("abc"), Exception);
    EXPECT_THROW(control.SetModul(3), Exception);
    EXPECT_EQ(control.Modul(), 3);
    EXPECT_THROW(control.SetOrientation(toTopBottom), Exception);
    EXPECT_EQ(control.Orientation(), toTopBottom);
}

TEST(BarCodeValidation, FailedPaintIsNotReportedAgainByTheNextPaintEvent) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    int reports = 0;
    SetErrorReporter([&](const std::exception&) { ++reports; });
    EXPECT_THROW(control.SetBarCode("abc"), Exception);
    control.grab(); // shows what the failed paint drew; its caller already had the error
    EXPECT_EQ(reports, 0);
    control.grab(); // a later windowing-system paint raises the engine's error again
    EXPECT_EQ(reports, 1);
    SetErrorReporter({});
}

} // namespace
} // namespace quillmark
