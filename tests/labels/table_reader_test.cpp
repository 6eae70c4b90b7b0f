// Tables read as RFC 4180's own examples (section 2) write them, with what files from
// spreadsheets add (a byte order mark, CRLF, line ends inside quotes), tab-separated values,
// the refusals with the line and column they name, and a long table read a row at a time.
#include <table_reader.h>

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using RowList = std::vector<std::vector<std::string>>;

struct Read {
    std::vector<std::string> Header;
    RowList Rows;
    std::vector<std::size_t> Lines;
};

Read ReadAll(const std::string& Text, TTableFormat Format, bool HasHeader) {
    std::istringstream In(Text);
    TTableReader Reader(In, Format, HasHeader);
    Read Result{Reader.Header(), {}, {}};
    while (auto Row = Reader.Next()) {
        EXPECT_EQ(Row->Fields.size(), Reader.FieldCount());
        Result.Rows.push_back(Row->Fields);
        Result.Lines.push_back(Row->Line);
    }
    return Result;
}

TEST(TableReader, ReadsRowsWithTheLinesTheyStartOn) {
    using enum TTableFormat;
    struct Case {
        const char* Name;
        std::string Text;
        TTableFormat Format;
        bool HasHeader;
        std::vector<std::string> Header;
        RowList Rows;
        std::vector<std::size_t> Lines;
    };
    const Case cases[] = {
        // RFC 4180, section 2, rules 1 to 7 by their examples.
        {"CRLF ends rows",
         "aaa,bbb,ccc\r\nzzz,yyy,xxx\r\n",
         Csv,
         false,
         {},
         {{"aaa", "bbb", "ccc"}, {"zzz", "yyy", "xxx"}},
         {1, 2}},
        {"last row without a line end",
         "aaa,bbb,ccc\r\nzzz,yyy,xxx",
         Csv,
         false,
         {},
         {{"aaa", "bbb", "ccc"}, {"zzz", "yyy", "xxx"}},
         {1, 2}},
        {"header",
         "field_name,field_name,field_name\r\naaa,bbb,ccc\r\n",
         Csv,
         true,
         {"field_name", "field_name", "field_name"},
         {{"aaa", "bbb", "ccc"}},
         {2}},
        {"spaces belong to fields", "aaa , bbb\r\n", Csv, false, {}, {{"aaa ", " bbb"}}, {1}},
        {"quoted fields",
         "\"aaa\",\"bbb\",\"ccc\"\r\nzzz,yyy,xxx",
         Csv,
         false,
         {},
         {{"aaa", "bbb", "ccc"}, {"zzz", "yyy", "xxx"}},
         {1, 2}},
        {"CRLF inside quotes",
         "\"aaa\",\"b\r\nbb\",\"ccc\"\r\nzzz,yyy,xxx",
         Csv,
         false,
         {},
         {{"aaa", "b\r\nbb", "ccc"}, {"zzz", "yyy", "xxx"}},
         {1, 3}},
        {"doubled quote",
         "\"aaa\",\"b\"\"bb\",\"ccc\"",
         Csv,
         false,
         {},
         {{"aaa", "b\"bb", "ccc"}},
         {1}},
        // What spreadsheets write besides.
        {"byte order mark",
         "\xEF\xBB\xBFsku,name\r\n1,\"a,\nb\"\r\n2,c\r\n",
         Csv,
         true,
         {"sku", "name"},
         {{"1", "a,\nb"}, {"2", "c"}},
         {2, 4}},
        {"only the start of a byte order mark",
         "\xEF\xBBx,y\n",
         Csv,
         false,
         {},
         {{"\xEF\xBBx", "y"}},
         {1}},
        {"empty fields", ",,\n\"\",x,\n", Csv, false, {}, {{"", "", ""}, {"", "x", ""}}, {1, 2}},
        {"blank lines skipped", "\n\na\r\n\r\nb\n\n", Csv, false, {}, {{"a"}, {"b"}}, {3, 5}},
        {"CR alone ends lines", "a,b\rc,d\r", Csv, false, {}, {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"quote inside an unquoted field",
         "5\" disk,x\n",
         Csv,
         false,
         {},
         {{"5\" disk", "x"}},
         {1}},
        {"empty table", "", Csv, false, {}, {}, {}},
        // Tab-separated values: no quoting, a tab between fields.
        {"tabs",
         "sku\tname\r\n1\t\"a, b\"\n",
         Tsv,
         true,
         {"sku", "name"},
         {{"1", "\"a, b\""}},
         {2}},
        {"tabs with a byte order mark",
         "\xEF\xBB\xBF"
         "a\t\tc",
         Tsv,
         false,
         {},
         {{"a", "", "c"}},
         {1}},
    };
    for (const auto& Case : cases) {
        SCOPED_TRACE(Case.Name);
        const auto Result = ReadAll(Case.Text, Case.Format, Case.HasHeader);
        EXPECT_EQ(Result.Header, Case.Header);
        EXPECT_EQ(Result.Rows, Case.Rows);
        EXPECT_EQ(Result.Lines, Case.Lines);
    }
}

TEST(TableReader, RefusesNamingLineAndColumn) {
    struct Case {
        std::string Text;
        bool HasHeader;
        std::size_t Line;
        std::size_t Column;
        std::string Says;
    };
    const Case cases[] = {
        {"a,\"b", false, 1, 3, "Line 1, column 3: the quote that opens this field is not closed"},
        {"x,y\n\"ab\"c,d\n", false, 2, 5,
         "Line 2, column 5: a character ('c') follows the closing quote of field 1"},
        {"\"a\r\nb\"x", false, 2, 3, "follows the closing quote of field 1"},
        // Columns count characters, not bytes.
        {"\"\xC3\xA9\"x", false, 1, 4, "column 4: a character ('x')"},
        {"a,b,c\n1,2\n", true, 2, 0,
         "Line 2: the row has 2 fields where the header has 3; every row needs as many fields "
         "as the header."},
        {"a,b\n\"x\ny\",1,2\n", false, 2, 0, "the row has 3 fields where the first row has 2"},
        {"a\tb\n1\t2\t3\n", true, 2, 0, "the row has 3 fields"},
        {"", true, 1, 0, "the table is empty; its first line should name the columns."},
    };
    for (const auto& Case : cases) {
        SCOPED_TRACE(Case.Text);
        const auto Format =
            Case.Text.find('\t') == std::string::npos ? TTableFormat::Csv : TTableFormat::Tsv;
        try {
            ReadAll(Case.Text, Format, Case.HasHeader);
            ADD_FAILURE() << "read without a refusal";
        } catch (const ETableError& Error) {
            EXPECT_EQ(Error.Line(), Case.Line);
            EXPECT_EQ(Error.Column(), Case.Column);
            EXPECT_NE(std::string(Error.what()).find(Case.Says), std::string::npos) << Error.what();
        }
    }
}

// A table made as it is read, counting what the reader has taken: a reader that held the
// whole table would take it all before its first row.
class GeneratedTable : public std::streambuf {
public:
    GeneratedTable(std::size_t Rows, std::string Header) : FRows(Rows), FLine(std::move(Header)) {
        setg(FLine.data(), FLine.data(), FLine.data() + FLine.size());
    }
    std::size_t Made() const { return FMade; }

protected:
    int_type underflow() override {
        if (FMade == FRows)
            return traits_type::eof();
        ++FMade;
        FLine = "QM-" + std::to_string(FMade) + ",\"Item, no. " + std::to_string(FMade) + "\"\r\n";
        setg(FLine.data(), FLine.data(), FLine.data() + FLine.size());
        return traits_type::to_int_type(FLine[0]);
    }

private:
    std::size_t FRows;
    std::size_t FMade = 0;
    std::string FLine;
};

TEST(TableReader, ReadsALongTableARowAtATime) {
    constexpr std::size_t Rows = 100'000;
    GeneratedTable Table(Rows, "sku,name\r\n");
    std::istream In(&Table);
    TTableReader Reader(In, TTableFormat::Csv, true);
    std::size_t Count = 0;
    while (auto Row = Reader.Next()) {
        ++Count;
        ASSERT_EQ(Row->Line, Count + 1);
        ASSERT_EQ(Row->Fields[0], "QM-" + std::to_string(Count));
        // The row after this one at most has been looked at.
        ASSERT_LE(Table.Made(), Count + 1);
    }
    EXPECT_EQ(Count, Rows);
}

// An endless field: a quote left open in a large file.
class EndlessField : public std::streambuf {
protected:
    int_type underflow() override {
        setg(FText.data(), FText.data(), FText.data() + FText.size());
        return 'x';
    }

private:
    std::string FText = std::string(4096, 'x');
};

TEST(TableReader, RefusesARowLongerThanItsLimit) {
    EndlessField Field;
    std::istream In(&Field);
    try {
        TTableReader Reader(In, TTableFormat::Csv, false);
        ADD_FAILURE() << "read without a refusal";
    } catch (const ETableError& Error) {
        EXPECT_EQ(Error.Line(), 1U);
        EXPECT_NE(std::string(Error.what()).find("longer than 1048576 characters"),
                  std::string::npos);
    }
}

} // namespace
} // namespace quillmark
