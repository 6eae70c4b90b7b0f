// Code 128 with its own choice of code sets, and GS1-128: against ISO/IEC 15417's table, a
// search over every symbol sequence a reader accepts, and zxing-cpp.
#include "code128_published.h"
#include "encoders.h"
#include "scan.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <tuple>

namespace quillmark {
namespace {

// A reader of Code 128 symbol values as ISO/IEC 15417 4.3 describes it, apart from the
// encoder: code sets A, B and C, SHIFT for one character, FNC4 for one character or, twice,
// latched, the latch holding through set C's digits. What this system counts as valid is
// also written here: nothing after a pending FNC4 or SHIFT but what completes it.
struct ReaderState {
    int Set = 0; // 0 A, 1 B, 2 C
    bool Latched = false;
    bool FNC4Next = false;
    bool ShiftNext = false;
    auto operator<=>(const ReaderState&) const = default;
};

// Reads one symbol value into Out; false where the sequence stops being valid.
bool Read(ReaderState& S, int Value, std::string& Out) {
    const int set = S.ShiftNext ? 1 - S.Set : S.Set;
    const bool completes = S.FNC4Next || S.ShiftNext;
    if (set == 2) {
        if (Value < 100) {
            Out += static_cast<char>('0' + Value / 10);
            Out += static_cast<char>('0' + Value % 10);
        } else if (Value == 100 || Value == 101) {
            S.Set = Value == 100 ? 1 : 0;
        } else {
            return false; // FNC1 is GS1-128's only
        }
        return true;
    }
    const int fnc4 = set == 0 ? 101 : 100;
    if (Value < 96) {
        const int ascii = set == 0 ? (Value < 64 ? Value + 32 : Value - 64) : Value + 32;
        Out += static_cast<char>(ascii + (S.Latched != S.FNC4Next ? 128 : 0));
        S.FNC4Next = S.ShiftNext = false;
    } else if (Value == fnc4 && !S.ShiftNext) {
        if (S.FNC4Next)
            S.Latched = !S.Latched;
        S.FNC4Next = !S.FNC4Next;
    } else if (Value == 98 && !S.ShiftNext) {
        S.ShiftNext = true;
    } else if (!completes && (Value == 99 || Value == 100 || Value == 101)) {
        S.Set = Value == 99 ? 2 : Value == 100 ? 1 : 0;
    } else {
        return false; // FNC2, FNC3, FNC1, or a pending FNC4 or SHIFT left incomplete
    }
    return true;
}

// Fewest symbol characters (start included) of any sequence the reader turns into Bytes: a
// breadth-first search over every value at every step, pruned where the output stops
// being a prefix of Bytes.
int FewestSymbols(const std::string& Bytes) {
    using Node = std::pair<std::size_t, ReaderState>;
    std::map<Node, int> seen;
    std::deque<Node> queue;
    for (int set = 0; set < 3; ++set) {
        const Node start{0, ReaderState{set}};
        seen[start] = 1;
        queue.push_back(start);
    }
    while (!queue.empty()) {
        const auto [at, state] = queue.front();
        queue.pop_front();
        const int cost = seen[{at, state}];
        if (at == Bytes.size() && !state.FNC4Next && !state.ShiftNext)
            return cost;
        for (int value = 0; value < 103; ++value) {
            ReaderState next = state;
            std::string out;
            if (!Read(next, value, out) || Bytes.compare(at, out.size(), out) != 0)
                continue;
            const Node node{at + out.size(), next};
            if (seen.emplace(node, cost + 1).second)
                queue.push_back(node);
        }
    }
    return -1;
}

// The symbol values of an encoded pattern, start first, by the published widths, and
// what the reader makes of them; nullopt where the check character is wrong.
std::optional<std::pair<int, std::string>> ReadBack(const std::string& Widths) {
    std::vector<int> values;
    for (std::size_t at = 0; at + 7 < Widths.size(); at += 6) {
        const std::string_view symbol = std::string_view(Widths).substr(at, 6);
        int v = 0;
        while (v < 103 && Code128Published[v] != symbol)
            ++v;
        v = symbol == StartA ? 103 : symbol == StartB ? 104 : symbol == StartC ? 105 : v;
        values.push_back(v);
    }
    const int check = values.back();
    values.pop_back();
    if (Check(values[0], std::vector<int>(values.begin() + 1, values.end())) != check)
        return std::nullopt;
    ReaderState state{values[0] - 103};
    std::string out;
    for (std::size_t i = 1; i < values.size(); ++i)
        if (!Read(state, values[i], out))
            return std::nullopt;
    return std::pair{static_cast<int>(values.size()), out};
}

TEST(Code128Auto, HandCountedSymbols) {
    // Symbol characters, start included, by ISO/IEC 15417 Table 1's sets.
    const std::pair<const char*, int> cases[] = {
        {"1234567890123456", 9}, // start C and eight pairs: 123 modules with check and stop
        {"12345", 5},            // two pairs and one digit in A or B, with a change
        {"Hi", 3},
        {"AB12345678", 8}, // A or B, CODE C, four pairs
        {"\x01"
         "abc",
         6},                                      // the control character shifted, or a change to B
        {"Caf\xE9", 6},                           // FNC4 before the one Latin-1 letter
        {"\xC0\xC9\xCE\xD5\xDC", 8},              // latched FNC4 for five Latin-1 letters
        {"\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA", 11}, // bytes 195 to 202 are data, not escapes
        {"", 1},
    };
    for (const auto& [value, symbols] : cases) {
        const std::optional read = ReadBack(Encode(bcCode128, value).Widths);
        ASSERT_TRUE(read) << value;
        EXPECT_EQ(read->first, symbols) << value;
        EXPECT_EQ(read->second, value);
    }
    EXPECT_EQ(Encode(bcCode128, "1234567890123456").Widths,
              Symbol(105, {12, 34, 56, 78, 90, 12, 34, 56}));
    EXPECT_EQ(Encode(bcCode128, "Caf\xE9").Widths, Symbol(104, {35, 65, 70, 100, 73}));
}

TEST(Code128Auto, NoSequenceAReaderAcceptsIsShorter) {
    // Every value up to three characters over digits, both cases, a control byte and
    // Latin-1 from both halves, then random longer ones.
    const std::string alphabet = "09aZ\x1F\x7F\xE9\xC9\x85";
    std::vector<std::string> values{""};
    for (std::size_t first = 0; first < values.size() && values[first].size() < 3; ++first)
        for (const char ch : alphabet)
            values.push_back(values[first] + ch);
    std::mt19937 random(15417);
    for (int i = 0; i < 400; ++i) {
        std::string value(4 + random() % 6, ' ');
        for (char& ch : value)
            ch = alphabet[random() % alphabet.size()];
        values.push_back(value);
    }
    for (const std::string& value : values) {
        const std::optional read = ReadBack(Encode(bcCode128, value).Widths);
        ASSERT_TRUE(read) << value;
        EXPECT_EQ(read->second, value);
        EXPECT_EQ(read->first, FewestSymbols(value)) << value;
    }
}

// Bytes outside printable ASCII as \xNN, for failure messages.
std::string Shown(const std::string& Bytes) {
    std::string shown;
    for (const char ch : Bytes) {
        const auto code = static_cast<unsigned char>(ch);
        if (code >= 32 && code < 127) {
            shown += ch;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", code);
            shown += hex;
        }
    }
    return shown;
}

// Random values of the kinds a label carries, and the bytes no single code set holds.
std::string RandomValue(std::mt19937& Random) {
    static const std::array<std::string, 5> kinds{
        "0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-",
        "abcdefghijklmnopqrstuvwxyz 0123456789", std::string("\x01\x09\x0D\x1D\x1F\x7F", 6),
        "\xA0\xC4\xD6\xDC\xDF\xE4\xE9\xF6\xFC\xFF\x80\x9F"};
    std::string value;
    const std::size_t runs = 1 + Random() % 4;
    for (std::size_t run = 0; run < runs; ++run) {
        const std::string& kind = kinds[Random() % kinds.size()];
        for (std::size_t n = 1 + Random() % 8; n > 0; --n)
            value += kind[Random() % kind.size()];
    }
    return value;
}

TEST(Code128Auto, RandomValuesScanBackExactly) {
    std::mt19937 random(2026);
    for (int i = 0; i < 2000; ++i) {
        const std::string value = RandomValue(random);
        const auto scan = testing::EncodeAndScan(bcCode128, value, 2);
        ASSERT_TRUE(scan) << Shown(value);
        EXPECT_EQ(std::string(scan->Bytes.begin(), scan->Bytes.end()), value) << Shown(value);
        EXPECT_EQ(scan->SymbologyId, "]C0");
    }
}

TEST(GS1_128, ScansAsElementStrings) {
    struct Case {
        const char* Value;
        std::string Read; // as zxing-cpp gives it, after the symbology identifier ]C1
        const char* Text;
    };
    const Case cases[] = {
        // AIs 01 and 17 have predefined lengths and 10 comes last: no separator.
        {"(01)09501101530003(17)260101(10)AB-123", "01095011015300031726010110AB-123",
         "(01)09501101530003(17)260101(10)AB-123"},
        {"(10)AB-123(21)X1",
         "10AB-123\x1D"
         "21X1",
         "(10)AB-123(21)X1"},
        {"[00]095011010000000018", "00095011010000000018", "(00)095011010000000018"},
    };
    for (const Case& c : cases) {
        const auto scan = testing::EncodeAndScan(bcCodeGS1_128, c.Value, 2);
        ASSERT_TRUE(scan) << c.Value;
        EXPECT_EQ(scan->SymbologyId, "]C1");
        EXPECT_EQ(std::string(scan->Bytes.begin(), scan->Bytes.end()), c.Read);
        EXPECT_EQ(Carried(bcCodeGS1_128, c.Value, csNone).Data, c.Read);
        EXPECT_EQ(Encode(bcCodeGS1_128, c.Value).Text, c.Text);
    }
}

TEST(GS1_128, RefusalsNameTheAI) {
    const std::pair<const char*, const char*> cases[] = {
        {"(01)09501101530004", "(01)"},
        {"(17)261301", "(17)"},
        {"(04)1234", "(04)"},
        {"(10)ABCDEFGHIJKLMNOPQRSTU", "(10)"},
        {"(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKLMNOPQRST(240)ABC", "(240)"}, // 50 in all
    };
    for (const auto& [value, ai] : cases) {
        std::string text, pattern;
        double ratio = 2;
        try {
            MakeModules(bcCodeGS1_128, value, 1, ratio, csNone, text, pattern);
            ADD_FAILURE() << value;
        } catch (const Exception& refused) {
            EXPECT_NE(refused.Message().find(ai), std::string::npos) << refused.Message();
            const TCarried carried = Carried(bcCodeGS1_128, value, csNone);
            EXPECT_EQ(carried.Departures, std::vector<std::string>{refused.Message()});
        }
    }
}

} // namespace
} // namespace quillmark
