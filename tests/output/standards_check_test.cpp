// Findings for symbols that no scanner would read, and none for standard ones.
#include <quillmark/standards_check.h>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

struct TCheckCase {
    TBarType Type;
    const char* Value;
    TCheckSum CheckSum;
    double Ratio;
    const char* Finding; // a part of the one finding expected, or nullptr for none
};

const TCheckCase CheckCases[] = {
    // EAN-13 typed with 12 digits: drawn as 0400638133393, whose check digit is 0.
    {bcCodeEAN13, "400638133393", csNone, 2, "should be 0, not 3"},
    {bcCodeEAN13, "4006381333931", csNone, 3, nullptr},
    {bcCodeEAN13, "400638133393", csModulo10, 2, nullptr},
    {bcCodeUPC_A, "03600029145", csNone, 2, "should be 3, not 5"},
    {bcCodeUPC_A, "03600029145", csModulo10, 2, "last digit 5, which is left out"},
    {bcCodeUPC_A, "0360002914523", csNone, 2, "leaves out 3 at the end"},
    {bcCodeEAN8, "55123457", csModulo10, 2, "leaves out 5 at the start"},
    // UPC-E: the standard's check digit comes from the expanded UPC-A 01200000345.
    {bcCodeUPC_E0, "1234505", csNone, 2, nullptr},
    {bcCodeUPC_E0, "1234500", csModulo10, 2, "should be 5 by the standard, not 3"},
    {bcCode128B, "caf\xE9", csNone, 2, "can't carry '\xE9' and draws a space"},
    {bcCode39, "Quill", csNone, 3, "can't carry 'u', 'i' and 'l' and leaves it out"},
    {bcCode39, "A*B", csNone, 3, "reads '*' as start"},
    {bcCode39, "QUILL", csNone, 2, "at least 2.2, not 2.00"},
    {bcCode_2_5_interleaved, "12345", csNone, 3, "last digit 5 is left out"},
    {bcCodeMSI, "1234", csNone, 3.5, "from 2.0 to 3.0, not 3.50"},
    {bcCodePostNet, "12345", csNone, 2, "6, 10 or 12 in all, not 5"},
    {bcCodePostNet, "123455", csNone, 2, nullptr},
    {bcCodePostNet, "123454", csNone, 2, "'4' is not the PostNet correction digit, which is 5"},
    // At GS1-128's 0.495 mm it is also longer than 165 mm: the count comes first.
    {bcCodeEAN128C, "1234567890123456789012345678901234567890123456789", csNone, 2,
     "at most 48 data characters, not 49"},
    // Code 93 at ratio 3 is drawn at 1:2:3:4 in files, so it is standard there.
    {bcCode93, "QUILL-93", csNone, 3, nullptr},
};

TEST(StandardsCheck, FindsWhatKeepsASymbolFromScanning) {
    for (const TCheckCase& c : CheckCases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = c.Value;
        d.Barcode.CheckSum = c.CheckSum;
        d.Barcode.Ratio = c.Ratio;
        const std::vector<std::string> findings = CheckStandard(d);
        if (c.Finding == nullptr) {
            EXPECT_TRUE(findings.empty()) << c.Value << ": " << findings.front();
            continue;
        }
        ASSERT_FALSE(findings.empty()) << c.Value;
        if (c.Type != bcCodeEAN128C) {
            EXPECT_EQ(findings.size(), 1u) << c.Value << ": " << findings.back();
        }
        EXPECT_NE(findings[0].find(c.Finding), std::string::npos) << findings[0];
    }
}

} // namespace
} // namespace quillmark
