// Reads a fuzz input as a sequence of property writes with hostile values: numbers at and
// past every bound, NaN and infinities, empty, huge and binary text, unknown names.
#pragma once

#include <QString>
#include <QVariant>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace quillmark::fuzzing {

inline void Require(bool Condition) {
    if (!Condition)
        std::abort();
}

class THostileInput {
public:
    THostileInput(const std::uint8_t* Data, std::size_t Size) : data_(Data), size_(Size) {}

    bool AtEnd() const { return at_ >= size_; }
    unsigned Next() { return at_ < size_ ? data_[at_++] : 0; }

    // An integer from the edges of every range the properties have, or raw input bits.
    int Integer() {
        constexpr int Edges[] = {0,
                                 1,
                                 -1,
                                 2,
                                 3,
                                 48,
                                 49,
                                 50,
                                 100,
                                 255,
                                 1 << 20,
                                 1 << 30,
                                 -(1 << 30),
                                 std::numeric_limits<int>::max(),
                                 std::numeric_limits<int>::min()};
        const unsigned pick = Next();
        if (pick < 200)
            return Edges[pick % std::size(Edges)];
        int raw = 0;
        for (int i = 0; i < 4; ++i)
            raw = static_cast<int>(static_cast<unsigned>(raw) << 8 | Next());
        return raw;
    }

    double Real() {
        constexpr double Edges[] = {0.0,
                                    -0.0,
                                    -1.0,
                                    0.25,
                                    0.5,
                                    1.0,
                                    2.0,
                                    2.5,
                                    3.0,
                                    21399.0,
                                    1e300,
                                    -1e300,
                                    std::numeric_limits<double>::quiet_NaN(),
                                    std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::denorm_min()};
        const unsigned pick = Next();
        if (pick < 200)
            return Edges[pick % std::size(Edges)];
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits = bits << 8 | Next();
        double raw = 0;
        std::memcpy(&raw, &bits, sizeof raw);
        return raw;
    }

    // Text from the input, or one of the hostile texts: huge repeats of a character,
    // digits or letters a few MiB long, NUL bytes, characters beyond Latin-1.
    QString Text() {
        // The huge texts are rarer than the rest: each costs megabytes of copying.
        switch (Next() % 16) {
        case 0:
            return QString(static_cast<qsizetype>(Next() + 1) << 12, QChar(u'0' + Next() % 10));
        case 1:
            return QString(qsizetype(4) << 20, QChar(u'A' + Next() % 26));
        case 2:
            return QString(static_cast<qsizetype>(Next()) << 4, QChar(Next()));
        case 3:
            return QString::fromUtf8("5 \u20ac \U0001F600");
        default:
            break;
        }
        std::string text;
        const std::size_t longest = Next();
        while (at_ < size_ && text.size() < longest && data_[at_] != 0xFF)
            text += static_cast<char>(data_[at_++]);
        ++at_;
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace quillmark::fuzzing
