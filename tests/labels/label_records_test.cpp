// Records of labels from tables and sequences: the columns they read, the cells they refuse
// with the place, check digits made right for numbered values, and a type's own defaults.
#include "../matrix/refusal.h"

#include <check_digits.h>
#include <label_records.h>
#include <type_description.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quillmark {
namespace {

std::vector<TLabelRecord> ReadAll(const std::string& Csv, const TRecordColumns& Columns,
                                  const std::vector<std::string>& Text = {},
                                  bool HasHeader = true) {
    std::istringstream In(Csv);
    TTableReader Reader(In, TTableFormat::Csv, HasHeader);
    TTableRecords Records(Reader, Columns, Text);
    std::vector<TLabelRecord> All;
    while (auto Record = Records.Next())
        All.push_back(std::move(*Record));
    return All;
}

const std::string Table = "sku,name,type,copies\r\n"
                          "QM-1,\"Pen, blue\",,2\r\n"
                          "QM-2,\"Ink\nrefill\", qr ,0\r\n"
                          "400638133393,Card,ean13,1\r\n";

TEST(LabelRecords, TakeValueTypeCopiesAndTextFromTheirColumns) {
    const auto Records = ReadAll(Table, {"sku", "type", "4"}, {"{name}", "{1} x{copies}"});
    ASSERT_EQ(Records.size(), 3U);
    const std::uint64_t Lines[] = {2, 3, 5};
    const char* Values[] = {"QM-1", "QM-2", "400638133393"};
    const std::optional<TBarType> Types[] = {std::nullopt, bcCodeQR, bcCodeEAN13};
    const std::uint64_t Copies[] = {2, 0, 1};
    const std::vector<std::string> Texts[] = {
        {"Pen, blue", "QM-1 x2"}, {"Ink\nrefill", "QM-2 x0"}, {"Card", "400638133393 x1"}};
    for (std::size_t I = 0; I < Records.size(); ++I) {
        EXPECT_EQ(Records[I].Line, Lines[I]) << I;
        EXPECT_EQ(Records[I].Value, Values[I]) << I;
        EXPECT_EQ(Records[I].Type, Types[I]) << I;
        EXPECT_EQ(Records[I].Copies, Copies[I]) << I;
        EXPECT_EQ(Records[I].Text, Texts[I]) << I;
        EXPECT_EQ(Records[I].Fields.size(), 4U) << I;
    }
    EXPECT_EQ(Records[1].Fields[1], "Ink\nrefill");
    // Without a header every row is a record and columns go by number.
    const auto Plain = ReadAll("a,1\nb,2\n", {"2", {}, {}}, {}, false);
    ASSERT_EQ(Plain.size(), 2U);
    EXPECT_EQ(Plain[0].Value, "1");
    EXPECT_EQ(Plain[1].Copies, 1U);
}

TEST(LabelRecords, RefuseCellsNamingTheirLineAndColumn) {
    struct Case {
        std::string Row;
        std::string Says;
    };
    const Case cases[] = {
        {"A,x,ean14,1", "Line 2: column 3 ('type') names the symbology 'ean14'"},
        {"A,x,,-1", "Line 2: column 4 ('copies') gives '-1' copies; write a whole number"},
        {"A,x,,two", "column 4 ('copies') gives 'two' copies"},
        {"A,x,,", "column 4 ('copies') gives '' copies"},
        {"A,x,,100001", "gives '100001' copies; write a whole number of labels from 0 to 100000."},
    };
    for (const auto& Case : cases) {
        try {
            ReadAll("sku,name,type,copies\n" + Case.Row + "\n", {"sku", "type", "copies"});
            ADD_FAILURE() << Case.Row << " was taken";
        } catch (const ETableError& Error) {
            EXPECT_EQ(Error.Line(), 2U);
            EXPECT_NE(Error.Message().find(Case.Says), std::string::npos) << Error.Message();
        }
    }
}

TEST(LabelRecords, RefuseTemplatesAndColumnsThatAreNotThere) {
    struct Case {
        TRecordColumns Columns;
        std::vector<std::string> Text;
        std::string Says;
    };
    const Case cases[] = {
        {{"price", {}, {}}, {}, "There is no column named 'price'"},
        {{"sku", "kind", {}}, {}, "There is no column named 'kind'"},
        {{"sku", {}, {}},
         {"{sku} {colour}"},
         "The label text '{sku} {colour}' has the field {colour} at "
         "character 7: There is no column named 'colour'"},
        {{"sku", {}, {}}, {"a", "b", "c", "d"}, "A label takes at most 3 lines of text, not 4"},
    };
    for (const auto& Case : cases) {
        const auto Refusal = testing::MessageOf([&] { ReadAll(Table, Case.Columns, Case.Text); });
        EXPECT_NE(Refusal.find(Case.Says), std::string::npos) << Refusal;
    }
}

TEST(LabelRecords, CountASequenceThroughItsTemplates) {
    TSequenceRecords Records(ParseSequenceRange("9..11"), "QM-{seq:03}", {"No. {seq}", "{value}"});
    std::vector<std::string> Values;
    while (auto Record = Records.Next()) {
        EXPECT_EQ(Record->Line, Values.size() + 1);
        EXPECT_EQ(Record->Text,
                  (std::vector<std::string>{"No. " + Record->Fields.at(0), Record->Value}));
        Values.push_back(Record->Value);
    }
    EXPECT_EQ(Values, (std::vector<std::string>{"QM-009", "QM-010", "QM-011"}));
    const auto Refusal = testing::MessageOf(
        [] { TSequenceRecords(ParseSequenceRange("1..2"), "{seq}", {"{sku}"}); });
    EXPECT_NE(Refusal.find("has the field {sku} at character 1; a sequence's label text knows "
                           "{seq} and {value}."),
              std::string::npos)
        << Refusal;
}

TEST(LabelRecords, SequencesOfGS1TypesGetTheirCheckDigits) {
    TSequenceRecords Records(ParseSequenceRange("392..393"), "400638133{seq}", {}, bcCodeEAN13);
    EXPECT_EQ(Records.Next()->Value, "4006381333924");
    EXPECT_EQ(Records.Next()->Value, "4006381333931");
    EXPECT_FALSE(Records.Next());
}

TEST(CheckDigits, AreAppendedToDataOneDigitShort) {
    struct Case {
        TBarType Type;
        std::string Value;
        std::string Made;
    };
    const Case cases[] = {
        {bcCodeEAN13, "400638133393", "4006381333931"},
        {bcCodeEAN13, "4006381333930", "4006381333930"}, // full length: the engine checks it
        {bcCodeEAN13, "400638133393+12", "4006381333931+12"},
        {bcCodeEAN8, "9638507", "96385074"},
        {bcCodeUPC_A, "03600029145", "036000291452"},
        {bcCodeUPC_E0, "0425261", "0425261"}, // seven digits: ambiguous, the engine's to say
        {bcCodeITF14, "0950110153000", "09501101530003"},
        {bcCodeDataBar, "(01)09501101530009", "(01)09501101530009"},
        {bcCodeDataBar, "(01)0950110153000", "(01)09501101530003"},
        {bcCodeGS1_128, "(01)0950110153000(10)AB-1", "(01)09501101530003(10)AB-1"},
        {bcCodeGS1_128, "[00]10614141000000001", "[00]106141410000000019"},
        {bcCodeGS1DataMatrix, "(10)1(414)509510000000", "(10)1(414)5095100000000"},
        {bcCodeGS1DataMatrix, "(10)1(414)5095100000007", "(10)1(414)5095100000007"},
        {bcCodeGS1_128, "(01)12345", "(01)12345"}, // neither length: the engine refuses it
        {bcCodeEAN13, "ABC", "ABC"},
        {bcCode128B, "4006381333930", "4006381333930"},
    };
    for (const auto& Case : cases)
        EXPECT_EQ(WithCheckDigits(Case.Type, Case.Value), Case.Made) << Case.Value;
}

TEST(TypeDescription, TakesTheTypesTextUnlessTheRunChoseOne) {
    TRunDescription Run;
    Run.Description.Barcode.BarType = bcCodeEAN13;
    Run.Description.Barcode.TextShow = tsBarCode;
    Run.Description.XDimensionMM = 0.5;
    const auto Qr = DescriptionForType(Run, bcCodeQR);
    EXPECT_EQ(Qr.Barcode.BarType, bcCodeQR);
    EXPECT_EQ(Qr.Barcode.TextShow, tsNone);
    EXPECT_EQ(Qr.XDimensionMM, 0.5);
    Run.TextChosen = true;
    EXPECT_EQ(DescriptionForType(Run, bcCodeQR).Barcode.TextShow, tsBarCode);
}

} // namespace
} // namespace quillmark
