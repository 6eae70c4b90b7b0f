// The shortest Code 128 symbol for a run of bytes: a dynamic program over the positions
// in the data and the reader's state there (code set A, B or C, and whether FNC4 is
// latched), in the symbol characters ISO/IEC 15417 gives for each step.
#include "code128_symbols.h"
#include "engine.h"
#include "error_messages.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace quillmark {

namespace {

using namespace code128;

enum TSet : std::uint8_t { SetA, SetB, SetC };

// A reader's state: the code set, and whether two FNC4s have latched the upper half of
// Latin-1 (ISO/IEC 15417 4.3.4.2). The latch holds through set C, whose digit pairs it
// leaves alone, and acts again on the data characters of A and B after it.
struct TState {
    TSet Set;
    bool Latched;
};
// Set B first: where two ways are as short, the first one found is kept, and B reads like
// the text it carries.
constexpr std::array<TState, 6> States{
    {{SetB, false}, {SetA, false}, {SetC, false}, {SetB, true}, {SetA, true}, {SetC, true}}};
constexpr std::size_t StateCount = States.size();
constexpr std::array<TSet, 3> Sets{SetB, SetA, SetC};

constexpr std::size_t IndexOf(TSet Set, bool Latched) {
    return (Set == SetB ? 0 : Set == SetA ? 1 : 2) + (Latched ? 3 : 0);
}

// How the best way into a state at a position was reached.
enum TStep : std::uint8_t { Unreached, Start, Change, Latch, Character, Pair, Separator };

struct TNode {
    int Cost = std::numeric_limits<int>::max();
    TStep Step = Unreached;
    std::uint8_t From = 0; // the state before the step
};

bool IsDigit(int Unit) {
    return Unit >= '0' && Unit <= '9';
}

// Whether an ASCII character (0 to 127) is in set A (NUL to '_') or set B (' ' to DEL).
bool InSet(TSet Set, int Ascii) {
    return Set == SetA ? Ascii < 96 : Ascii >= 32;
}

int ValueIn(TSet Set, int Ascii) {
    return Set == SetA && Ascii < 32 ? Ascii + 64 : Ascii - 32;
}

TSet Other(TSet Set) {
    return Set == SetA ? SetB : SetA;
}

// The symbol characters that carry byte Unit in State: an FNC4 where the byte's half of
// Latin-1 isn't the latched one, a SHIFT where its ASCII character is in the other set.
int CharacterCost(const TState& State, int Unit) {
    const int ascii = Unit & 0x7F;
    return 1 + ((Unit >= 128) != State.Latched ? 1 : 0) + (InSet(State.Set, ascii) ? 0 : 1);
}

void PutCharacter(std::vector<int>& Out, const TState& State, int Unit) {
    const int ascii = Unit & 0x7F;
    if ((Unit >= 128) != State.Latched)
        Out.push_back(State.Set == SetA ? FNC4InA : FNC4InB);
    if (InSet(State.Set, ascii)) {
        Out.push_back(ValueIn(State.Set, ascii));
    } else {
        Out.push_back(Shift);
        Out.push_back(ValueIn(Other(State.Set), ascii));
    }
}

int ChangeValue(TSet To) {
    return To == SetC ? CodeC : To == SetB ? CodeB : CodeA;
}

class TShortest {
public:
    TShortest(std::span<const int> Units, bool LeadingFNC1)
        : units_(Units), nodes_((Units.size() + 1) * StateCount) {
        const int opening = LeadingFNC1 ? 2 : 1;
        for (const TSet set : Sets)
            Reach(0, IndexOf(set, false), opening, Start, 0);
        for (std::size_t at = 0; at <= units_.size(); ++at) {
            Settle(at);
            if (at < units_.size())
                Advance(at);
        }
    }

    std::vector<int> Values(bool LeadingFNC1) const {
        const std::size_t end = units_.size();
        std::size_t state = 0;
        for (std::size_t s = 1; s < StateCount; ++s)
            if (Node(end, s).Cost < Node(end, state).Cost)
                state = s;
        // Walk back to the start, collecting each step with the state it began in.
        struct TTaken {
            std::size_t At;
            TStep Step;
            std::size_t From;
            std::size_t To;
        };
        std::vector<TTaken> taken;
        for (std::size_t at = end;;) {
            const TNode& node = Node(at, state);
            taken.push_back({at, node.Step, node.From, state});
            if (node.Step == Start)
                break;
            at -= node.Step == Pair ? 2 : node.Step == Character || node.Step == Separator ? 1 : 0;
            state = node.From;
        }
        std::vector<int> out;
        for (auto step = taken.rbegin(); step != taken.rend(); ++step) {
            const TState& from = States[step->From];
            const TState& to = States[step->To];
            switch (step->Step) {
            case Start:
                out.push_back(to.Set == SetA ? StartA : to.Set == SetB ? StartB : StartC);
                if (LeadingFNC1)
                    out.push_back(FNC1);
                break;
            case Change:
                out.push_back(ChangeValue(to.Set));
                break;
            case Latch:
                out.insert(out.end(), 2, from.Set == SetA ? FNC4InA : FNC4InB);
                break;
            case Character:
                PutCharacter(out, from, units_[step->At - 1]);
                break;
            case Pair:
                out.push_back((units_[step->At - 2] - '0') * 10 + units_[step->At - 1] - '0');
                break;
            case Separator:
                out.push_back(FNC1);
                break;
            case Unreached:
                throw Exception(InternalErrorMessage);
            }
        }
        return out;
    }

private:
    std::span<const int> units_;
    std::vector<TNode> nodes_;

    TNode& Node(std::size_t At, std::size_t State) { return nodes_[At * StateCount + State]; }
    const TNode& Node(std::size_t At, std::size_t State) const {
        return nodes_[At * StateCount + State];
    }

    // Ties keep the way found first, so the same data always gives the same symbol.
    bool Reach(std::size_t At, std::size_t State, int Cost, TStep Step, std::size_t From) {
        TNode& node = Node(At, State);
        if (Cost >= node.Cost)
            return false;
        node = {Cost, Step, static_cast<std::uint8_t>(From)};
        return true;
    }

    // The steps that consume no data, code set changes and FNC4 latches, taken until no state
    // at this position gets cheaper; every step costs, so that ends within a few rounds.
    void Settle(std::size_t At) {
        for (bool changed = true; changed;) {
            changed = false;
            for (std::size_t s = 0; s < StateCount; ++s) {
                const int cost = Node(At, s).Cost;
                if (cost == std::numeric_limits<int>::max())
                    continue;
                const TState& state = States[s];
                for (const TSet set : Sets)
                    if (set != state.Set)
                        changed |= Reach(At, IndexOf(set, state.Latched), cost + 1, Change, s);
                if (state.Set != SetC)
                    changed |= Reach(At, IndexOf(state.Set, !state.Latched), cost + 2, Latch, s);
            }
        }
    }

    void Advance(std::size_t At) {
        const int unit = units_[At];
        for (std::size_t s = 0; s < StateCount; ++s) {
            const int cost = Node(At, s).Cost;
            if (cost == std::numeric_limits<int>::max())
                continue;
            const TState& state = States[s];
            if (unit == Code128FNC1Unit)
                Reach(At + 1, s, cost + 1, Separator, s);
            else if (state.Set != SetC)
                Reach(At + 1, s, cost + CharacterCost(state, unit), Character, s);
            else if (IsDigit(unit) && At + 1 < units_.size() && IsDigit(units_[At + 1]))
                Reach(At + 2, s, cost + 1, Pair, s);
        }
    }
};

} // namespace

std::vector<int> ShortestCode128(std::span<const int> Units, bool LeadingFNC1) {
    for (const int unit : Units)
        if (unit < 0 || unit > Code128FNC1Unit)
            throw Exception(InternalErrorMessage);
    return TShortest(Units, LeadingFNC1).Values(LeadingFNC1);
}

} // namespace quillmark
