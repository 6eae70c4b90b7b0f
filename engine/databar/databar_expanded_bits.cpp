#include "databar_expanded_bits.h"

#include "databar_expanded_methods.h"
#include "engine.h"

#include <array>
#include <limits>
#include <optional>
#include <string_view>

namespace quillmark {
namespace {

constexpr char Fnc1 = ExpandedFnc1;
constexpr int CharacterBits = ExpandedCharacterBits;
constexpr int MinimumCharacters = 3;
constexpr std::size_t MostDataCharacters = ExpandedDataCharactersMost;
constexpr std::string_view Punctuation = "!\"%&'()*+,-./:;<=>?_ ";
constexpr int PunctuationFirst = 232;
constexpr std::string_view AlphanumericSigns = "*,-./";
constexpr int AlphanumericSignsFirst = 58;

bool IsDigit(char Ch) {
    return Ch >= '0' && Ch <= '9';
}
bool IsUpper(char Ch) {
    return Ch >= 'A' && Ch <= 'Z';
}
bool IsLower(char Ch) {
    return Ch >= 'a' && Ch <= 'z';
}

// General-purpose compaction's modes and what latching between them costs.
enum Mode { Numeric, Alphanumeric, Iso, ModeCount };
constexpr std::string_view NumericLatchBits = "000";
constexpr std::string_view AlphanumericFromNumeric = "0000";
constexpr std::string_view AlphaIsoLatchBits = "00100"; // alphanumeric <-> ISO/IEC 646

std::string LatchBits(int From, int To) {
    if (From == To)
        return "";
    if (To == Numeric)
        return std::string(NumericLatchBits);
    if (From == Numeric)
        return std::string(AlphanumericFromNumeric) +
               (To == Iso ? std::string(AlphaIsoLatchBits) : "");
    return std::string(AlphaIsoLatchBits);
}

// One character's bits in Mode, or none where the mode has no such character.
std::optional<std::string> ModeCharacterBits(char Ch, int In) {
    std::string bits;
    if (IsDigit(Ch) || Ch == Fnc1) {
        AppendBits(bits, IsDigit(Ch) ? Ch - '0' + 5 : 15, 5);
        return bits;
    }
    if (In == Alphanumeric) {
        if (IsUpper(Ch))
            AppendBits(bits, Ch - 'A' + 32, 6);
        else if (const auto at = AlphanumericSigns.find(Ch); at != std::string_view::npos)
            AppendBits(bits, AlphanumericSignsFirst + static_cast<int>(at), 6);
        else
            return std::nullopt;
        return bits;
    }
    if (IsUpper(Ch))
        AppendBits(bits, Ch - 'A' + 64, 7);
    else if (IsLower(Ch))
        AppendBits(bits, Ch - 'a' + 90, 7);
    else if (const auto at = Punctuation.find(Ch); at != std::string_view::npos)
        AppendBits(bits, PunctuationFirst + static_cast<int>(at), 8);
    else
        return std::nullopt;
    return bits;
}

// A numeric pair, FNC1 as 10.
std::optional<std::string> NumericPair(char First, char Second) {
    const auto value = [](char Ch) { return Ch == Fnc1 ? 10 : IsDigit(Ch) ? Ch - '0' : -1; };
    if (value(First) < 0 || value(Second) < 0 || (First == Fnc1 && Second == Fnc1))
        return std::nullopt;
    std::string bits;
    AppendBits(bits, 11 * value(First) + value(Second) + 8, 7);
    return bits;
}

struct Step {
    std::size_t Bits = std::numeric_limits<std::size_t>::max();
    std::string Text;       // the bits of the whole encoding up to here
    bool LoneDigit = false; // it ends in a last digit alone in 4 bits
};

// A last digit alone in numeric mode takes 4 bits (the digit + 1) where a reader finds fewer
// than 7 bits after them, so reads no pair.
constexpr int LoneDigitBits = 4;
constexpr int PairBits = 7;

// The cheapest general-purpose bits for Data from numeric mode; a last digit alone takes 4
// bits when Lone, else pairs with FNC1.
Step GeneralPurpose(std::string_view Data, int& EndMode, bool Lone) {
    const std::size_t n = Data.size();
    std::vector<std::array<Step, ModeCount>> best(n + 1);
    best[0][Numeric] = {0, ""};
    const auto offer = [&best](std::size_t At, int In, std::string Bits, bool Lone = false) {
        if (Bits.size() < best[At][In].Bits)
            best[At][In] = {Bits.size(), std::move(Bits), Lone};
    };
    for (std::size_t i = 0; i <= n; ++i) {
        for (int pass = 0; pass < 2; ++pass)
            for (int from = 0; from < ModeCount; ++from)
                for (int to = 0; to < ModeCount; ++to)
                    if (best[i][from].Bits != std::numeric_limits<std::size_t>::max() && from != to)
                        offer(i, to, best[i][from].Text + LatchBits(from, to));
        if (i == n)
            break;
        for (int in = 0; in < ModeCount; ++in) {
            if (best[i][in].Bits == std::numeric_limits<std::size_t>::max())
                continue;
            if (in == Numeric) {
                if (i + 1 == n && Lone && IsDigit(Data[i])) {
                    std::string bits = best[i][in].Text;
                    AppendBits(bits, Data[i] - '0' + 1, LoneDigitBits);
                    offer(n, Numeric, std::move(bits), true);
                } else if (const auto pair = NumericPair(Data[i], i + 1 < n ? Data[i + 1] : Fnc1);
                           pair && (i + 1 < n || IsDigit(Data[i]))) {
                    offer(std::min(i + 2, n), Numeric, best[i][in].Text + *pair);
                }
            } else if (const auto bits = ModeCharacterBits(Data[i], in)) {
                // A reader takes FNC1 in the other modes for a return to numeric mode.
                offer(i + 1, Data[i] == Fnc1 ? Numeric : in, best[i][in].Text + *bits);
            }
        }
    }
    int end = Numeric;
    for (int in = 0; in < ModeCount; ++in)
        if (best[n][in].Bits < best[n][end].Bits)
            end = in;
    if (best[n][end].Bits == std::numeric_limits<std::size_t>::max())
        throw Exception("GS1 DataBar Expanded has no character for some of the data: use the "
                        "characters of GS1's character set 82 alone.");
    EndMode = end;
    return best[n][end];
}

// A candidate encoding: its bits before padding, the mode it ends in, and where its
// variable-length field stands (none for the fixed-length methods).
struct Encoding {
    std::string Bits;
    int EndMode = Numeric;
    std::optional<std::size_t> LengthField;
    bool LoneDigit = false;
};

// Each method that carries Elements, its general-purpose data in both ways of ending.
std::vector<Encoding> Candidates(const std::vector<TGS1Element>& Elements) {
    std::vector<Encoding> candidates;
    for (const TExpandedMethod& method : ExpandedMethods(Elements)) {
        if (!method.Rest) {
            candidates.push_back({method.Bits, Numeric, std::nullopt});
            continue;
        }
        for (const bool lone : {false, true}) {
            Encoding encoding{method.Bits, Numeric, method.LengthField};
            const Step step = GeneralPurpose(*method.Rest, encoding.EndMode, lone);
            encoding.Bits += step.Text;
            encoding.LoneDigit = step.LoneDigit;
            candidates.push_back(std::move(encoding));
        }
    }
    return candidates;
}

// The data characters Bits fill, at least the minimum and as many as Fits takes.
std::size_t PaddedSize(std::size_t Bits, bool (*Fits)(int, int), int Segments) {
    int characters =
        std::max(MinimumCharacters, static_cast<int>((Bits + CharacterBits - 1) / CharacterBits));
    if (!Fits(characters + 1, Segments))
        ++characters;
    return static_cast<std::size_t>(characters) * CharacterBits;
}

} // namespace

std::string ExpandedBits(const std::vector<TGS1Element>& Elements, bool (*Fits)(int, int),
                         int Segments) {
    std::optional<std::string> shortest;
    for (Encoding& encoding : Candidates(Elements)) {
        std::string& bits = encoding.Bits;
        const std::size_t total = PaddedSize(bits.size(), Fits, Segments);
        // A reader takes 4 bits for a last digit only where fewer than 7 remain.
        if (encoding.LoneDigit && total - (bits.size() - LoneDigitBits) >= PairBits)
            continue;
        // The fixed-length methods fill their characters exactly; a reader refuses more.
        if (!encoding.LengthField && total != bits.size())
            continue;
        const int characters = static_cast<int>(total / CharacterBits);
        // Padding: a latch out of numeric mode (as many of its bits as there is room for),
        // then alphanumeric's latch to ISO/IEC 646 and back, which a reader passes over.
        if (encoding.EndMode == Numeric && total > bits.size())
            bits += AlphanumericFromNumeric;
        while (bits.size() < total)
            bits += AlphaIsoLatchBits;
        bits.resize(total);
        if (encoding.LengthField) {
            const int symbolCharacters = characters + 1;
            bits[*encoding.LengthField] = symbolCharacters % 2 ? '1' : '0';
            bits[*encoding.LengthField + 1] = symbolCharacters > 14 ? '1' : '0';
        }
        if (!shortest || bits.size() < shortest->size())
            shortest = bits;
    }
    const std::size_t characters = shortest->size() / CharacterBits;
    if (characters > MostDataCharacters)
        throw Exception("GS1 DataBar Expanded holds " + std::to_string(MostDataCharacters) +
                        " data characters of 12 bits and these element strings take " +
                        std::to_string(characters) + ", " +
                        std::to_string(characters - MostDataCharacters) +
                        " over: carry fewer or shorter element strings.");
    return *shortest;
}

} // namespace quillmark
