// The catalogue, the element widths, the alphabet and the shared helpers.
#include <quillmark/engine.h>
#include <quillmark/module_grid.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillmark {
namespace {

ElementWidths WidthsFor(TBarType Type, int Modul, double& Ratio) {
    std::string text;
    std::string pattern;
    MakeModules(Type, "1", Modul, Ratio, csNone, text, pattern);
    return CurrentElementWidths();
}

TEST(Catalogue, NamesAndDigitsOnlyFlags) {
    struct Row {
        TBarType Type;
        const char* Name;
        bool DigitsOnly;
    };
    const Row rows[] = {
        {bcCode_2_5_interleaved, "Code25 interleaved", true},
        {bcCode_2_5_industrial, "Code25 industrial", true},
        {bcCode_2_5_matrix, "Code25 matrix", true},
        {bcCode39, "Code39", false},
        {bcCode39Extended, "Code39 Extended", false},
        {bcCode128A, "Code128A", false},
        {bcCode128B, "Code128B", false},
        {bcCode128C, "Code128C", false},
        {bcCode93, "Code93", false},
        {bcCode93Extended, "Code93 Extended", false},
        {bcCodeMSI, "MSI", true},
        {bcCodePostNet, "PostNet", true},
        {bcCodeCodabar, "Codebar", false},
        {bcCodeEAN8, "EAN8", true},
        {bcCodeEAN13, "EAN13", true},
        {bcCodeUPC_A, "UPC_A", true},
        {bcCodeUPC_E0, "UPC_E0", true},
        {bcCodeUPC_E1, "UPC_E1", true},
        {bcCodeUPC_Supp2, "UPC Supp2", true},
        {bcCodeUPC_Supp5, "UPC Supp5", true},
        {bcCodeEAN128A, "EAN128A", false},
        {bcCodeEAN128B, "EAN128B", false},
        {bcCodeEAN128C, "EAN128C", false},
        {bcCode128, "Code 128", false},
        {bcCodeGS1_128, "GS1-128", false},
        {bcCodeQR, "QR Code", false},
        {bcCodeMicroQR, "Micro QR Code", false},
        {bcCodeDataMatrix, "Data Matrix", false},
        {bcCodeGS1DataMatrix, "GS1 DataMatrix", false},
        {bcCodeGS1DigitalLinkQR, "GS1 Digital Link QR Code", false},
        {bcCodeITF14, "ITF-14", false},
        {bcCodeDataBar, "GS1 DataBar Omnidirectional", false},
        {bcCodeDataBarTruncated, "GS1 DataBar Truncated", false},
        {bcCodeDataBarStacked, "GS1 DataBar Stacked", false},
        {bcCodeDataBarStackedOmni, "GS1 DataBar Stacked Omnidirectional", false},
        {bcCodeDataBarLimited, "GS1 DataBar Limited", false},
        {bcCodeDataBarExpanded, "GS1 DataBar Expanded", false},
        {bcCodeDataBarExpandedStacked, "GS1 DataBar Expanded Stacked", false},
        {bcCodeISBN, "ISBN", false},
        {bcCodeISMN, "ISMN", false},
        {bcCodeISSN, "ISSN", false},
    };
    ASSERT_EQ(std::size(rows), static_cast<std::size_t>(BarTypeCount));
    for (int i = 0; i < BarTypeCount; ++i) {
        EXPECT_EQ(static_cast<int>(rows[i].Type), i);
        EXPECT_EQ(BarTypeName(rows[i].Type), rows[i].Name);
        EXPECT_EQ(BarTypeData(rows[i].Type).DigitsOnly, rows[i].DigitsOnly) << rows[i].Name;
    }
}

TEST(MakeModules, RejectsTypeBeyondCatalogue) {
    double ratio = 2.0;
    std::string text;
    std::string pattern;
    try {
        MakeModules(static_cast<TBarType>(BarTypeCount), "1", 1, ratio, csNone, text, pattern);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Wrong barcode type.");
    }
}

TEST(MakeModules, ClampsRatioInPlace) {
    struct Case {
        TBarType Type;
        double Ratio;
        double Expected;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {bcCode39, 1.0, 2.0},           {bcCode_2_5_matrix, 2.1, 2.25},
        {bcCode_2_5_matrix, 2.0, 2.25}, {bcCode_2_5_industrial, 3.5, 3.0},
        {bcCodeCodabar, 3.5, 3.0},      {bcCode_2_5_interleaved, 2.4, 2.4},
        {bcCode128B, 1.0, 1.0},         {bcCodeMSI, 5.0, 5.0},
        {bcCodePostNet, 1.5, 1.5},      {bcCode_2_5_industrial, nan, 2.0},
        {bcCode_2_5_matrix, nan, 2.25},
    };
    for (const Case& c : cases) {
        double ratio = c.Ratio;
        try {
            WidthsFor(c.Type, 1, ratio);
        } catch (const Exception&) {
            // Encoders not available yet still clamp first.
        }
        EXPECT_EQ(ratio, c.Expected) << BarTypeName(c.Type) << " " << c.Ratio;
    }
}

TEST(MakeModules, ElementWidthsRoundHalvesToEven) {
    struct Case {
        int Modul;
        double Ratio;
        ElementWidths Expected;
    };
    const Case cases[] = {
        {1, 2.5, {1, 2, 3, 4}},         {3, 2.5, {3, 8, 12, 16}},       {5, 2.5, {5, 12, 18, 24}},
        {2, 3.0, {2, 6, 9, 12}},        {1, 1.0, {1, 1, 1, 2}},         {3, 1.5, {3, 4, 6, 8}},
        {49, 3.0, {49, 147, 220, 294}}, {43, 3.0, {43, 129, 193, 258}},
    };
    for (const Case& c : cases) {
        double ratio = c.Ratio;
        const ElementWidths w = WidthsFor(bcCodeMSI, c.Modul, ratio);
        EXPECT_EQ(w.Narrow, c.Expected.Narrow);
        EXPECT_EQ(w.Wide, c.Expected.Wide) << c.Modul << " x " << c.Ratio;
        EXPECT_EQ(w.Wide15, c.Expected.Wide15);
        EXPECT_EQ(w.Wide2, c.Expected.Wide2);
    }
}

TEST(MakeModules, RefusesWidthsThatCannotBeDrawn) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        int Modul;
        double Ratio;
    };
    const Case cases[] = {{1, nan}, {1, inf}, {1, -inf}, {1, 1e300}, {2, -1.0},  {1, 0.0},
                          {1, 0.4}, {0, 2.0}, {-3, 2.0}, {1, 5e6},   {2049, 1.0}};
    for (const Case& c : cases) {
        double ratio = c.Ratio;
        std::string text;
        std::string pattern = "kept";
        EXPECT_THROW(MakeModules(bcCodeMSI, "12", c.Modul, ratio, csNone, text, pattern), Exception)
            << c.Modul << " x " << c.Ratio;
        EXPECT_EQ(pattern, "kept");
    }
}

TEST(MakeModules, DigitsCheckQuotesWholeValue) {
    double ratio = 2.0;
    std::string text;
    std::string pattern;
    try {
        MakeModules(bcCode_2_5_industrial, "12 3", 1, ratio, csNone, text, pattern);
        FAIL() << "no exception";
    } catch (const EConvertError&) {
        FAIL() << "wrong exception type";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "12 3 : Barcode must be numeric.");
    }
    for (const TBarType type : {bcCode_2_5_interleaved, bcCode_2_5_matrix, bcCodeMSI, bcCodePostNet,
                                bcCodeEAN13, bcCodeUPC_Supp2}) {
        EXPECT_THROW(MakeModules(type, "12A", 1, ratio, csNone, text, pattern), Exception);
        // Bytes above 127 are not digits either.
        EXPECT_THROW(MakeModules(type, std::string("1\xB9"), 1, ratio, csNone, text, pattern),
                     Exception);
    }
}

TEST(MakeModules, MessageKeepsNulBytesOfTheValue) {
    double ratio = 2.0;
    std::string text;
    std::string pattern;
    const std::string value("1\0A", 3);
    try {
        MakeModules(bcCodeEAN13, value, 1, ratio, csNone, text, pattern);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), value + " : Barcode must be numeric.");
        EXPECT_STREQ(e.what(), "1"); // what() stops at the NUL
        const Exception copy = e;
        EXPECT_EQ(copy.Message(), e.Message());
    }
}

TEST(MakeModules, CheckSumOutsideTheEnumerationCountsAsNone) {
    const auto outside = static_cast<TCheckSum>(5);
    for (int type = 0; type < BarTypeCount; ++type) {
        const auto barType = static_cast<TBarType>(type);
        if (IsDrawnFromGrid(barType))
            continue; // no row of bars: refused whatever the check mode
        const std::string value = barType == bcCodeGS1_128          ? "(10)AB12"
                                  : barType == bcCodeISMN           ? "9790260000438"
                                  : barType == bcCodeISSN           ? "0317-8471"
                                  : BarTypeData(barType).DrawnAs    ? "9780306406157"
                                  : BarTypeData(barType).DigitsOnly ? "12345"
                                                                    : "AB12";
        double ratio = 2.0;
        std::string noneText = value, noneP, otherText = value, otherP;
        MakeModules(barType, value, 1, ratio, csNone, noneText, noneP);
        MakeModules(barType, value, 1, ratio, outside, otherText, otherP);
        EXPECT_EQ(otherP, noneP) << BarTypeName(barType);
        EXPECT_EQ(otherText, noneText) << BarTypeName(barType);
    }
}

TEST(MakeModules, EmptyValuePassesDigitsCheck) {
    double ratio = 2.0;
    std::string text;
    std::string pattern;
    MakeModules(bcCode_2_5_industrial, "", 1, ratio, csNone, text, pattern);
    EXPECT_EQ(pattern, "606050605060");
}

TEST(DecodeModule, AlphabetWidthsAndKinds) {
    double ratio = 3.0;
    WidthsFor(bcCodeMSI, 2, ratio); // 2, 6, 9, 12
    struct Case {
        char Ch;
        int Width;
        TLineKind Kind;
    };
    const Case cases[] = {
        {'0', 2, lkSpace},    {'1', 6, lkSpace},    {'2', 9, lkSpace},    {'3', 12, lkSpace},
        {'5', 2, lkBar},      {'6', 6, lkBar},      {'7', 9, lkBar},      {'8', 12, lkBar},
        {'A', 2, lkShortBar}, {'B', 6, lkShortBar}, {'C', 9, lkShortBar}, {'D', 12, lkShortBar},
    };
    for (const Case& c : cases) {
        int width = -1;
        TLineKind kind = lkSpace;
        DecodeModule(c.Ch, width, kind);
        EXPECT_EQ(width, c.Width) << c.Ch;
        EXPECT_EQ(kind, c.Kind) << c.Ch;
    }
}

TEST(DecodeModule, CharactersOutsideAlphabetAreInternalErrors) {
    for (const char ch : {'4', '9', 'E', 'a', ' ', '\0', '\xFF', '/', ':', '@'}) {
        int width = 0;
        TLineKind kind = lkSpace;
        try {
            DecodeModule(ch, width, kind);
            FAIL() << "accepted " << static_cast<int>(ch);
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Internal Error.");
        }
    }
}

TEST(Helpers, WidthsToModules) {
    EXPECT_EQ(WidthsToModules("2111"), "6050");
    EXPECT_EQ(WidthsToModules("1112"), "5051");
    EXPECT_EQ(WidthsToModules("1234"), "5173");
    EXPECT_EQ(WidthsToModules(""), "");
    EXPECT_EQ(WidthsToModules("4321"), "8260");
}

TEST(Helpers, AppendMod10) {
    struct Case {
        const char* Value;
        const char* Expected;
    };
    const Case cases[] = {
        {"12345", "123457"},
        {"", "0"},
        {"5", "55"}, // 15 -> 5
        {"0", "00"},
        {"400638133393", "4006381333931"}, // a published EAN-13
        {"03600029145", "036000291452"},   // a published UPC-A
        {"46", "468"},                     // 6 x 3 + 4 = 22
        {"71", "710"},                     // 1 x 3 + 7 = 10, a multiple of ten
    };
    for (const Case& c : cases)
        EXPECT_EQ(AppendMod10(c.Value), c.Expected) << c.Value;
}

TEST(Helpers, AppendMod10RefusesNonDigitsWithConversionError) {
    struct Case {
        const char* Value;
        const char* Message;
    };
    const Case cases[] = {
        {"12a4", "'a' is not a valid integer value"}, {" ", "' ' is not a valid integer value"},
        {"-1", "'-' is not a valid integer value"},   {"+", "'+' is not a valid integer value"},
        {"1.5", "'.' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        try {
            AppendMod10(c.Value);
            FAIL() << c.Value;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
    }
}

TEST(Helpers, ApplyCheckSumAndPadZeros) {
    EXPECT_EQ(ApplyCheckSum(csNone, "12345"), "12345");
    EXPECT_EQ(ApplyCheckSum(csModulo10, "12345"), "123457");
    EXPECT_EQ(PadZeros(12, "123"), "000000000123");
    EXPECT_EQ(PadZeros(3, "12345"), "12345");
    EXPECT_EQ(PadZeros(3, "123"), "123");
    EXPECT_EQ(PadZeros(2, ""), "00");
    EXPECT_EQ(PadZeros(255, "1").size(), 255u);
}

TEST(PatternWidth, SumsDecodedWidths) {
    // The window's first symbol: 20 + 9 x 28 + 20 pixels.
    EXPECT_EQ(PatternWidth(bcCode_2_5_industrial, "123456789", 2, 3.0, csNone), 292);
    // Ratio is taken by value: the caller's copy is never clamped.
    double ratio = 1.0;
    PatternWidth(bcCode_2_5_industrial, "1", 1, ratio, csNone);
    EXPECT_EQ(ratio, 1.0);
    EXPECT_THROW(PatternWidth(bcCode_2_5_industrial, "x", 1, 2.0, csNone), Exception);
}

} // namespace
} // namespace quillmark
