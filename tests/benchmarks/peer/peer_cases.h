// What both sides of the peer benchmarks draw and encode, so that each pair measures the
// same work. Benchmark names pair up as "<Area>/Ours/<case>" and "<Area>/<Peer>/<case>".
#pragma once

#include "engine.h"
#include "symbol_types.h"

#include <string>
#include <vector>

namespace quillmark::benchmarks {

// A Code 128B value of 52 characters: 607 modules, so 607 x 100 pixels at Modul 1.
inline const std::string PaintValue = "Quillmark-2026 Quillmark-2026 Quillmark-2026 Quillma";

// The symbol is 100 pixels per module tall: bars cover rows 0 to h.
inline int PaintBarHeight(int Modul) {
    return 100 * Modul - 1;
}

struct PaintCase {
    int Modul;
    bool Text;
    TOrientation Orientation;
    std::string Name; // "M1/Text/LeftRight"
};

inline std::vector<PaintCase> PaintCases() {
    struct Direction {
        TOrientation Orientation;
        const char* Name;
    };
    constexpr Direction directions[] = {{toLeftRight, "LeftRight"},
                                        {toRightLeft, "RightLeft"},
                                        {toTopBottom, "TopBottom"},
                                        {toBottomTop, "BottomTop"}};
    std::vector<PaintCase> cases;
    for (const int modul : {1, 2})
        for (const bool text : {false, true})
            for (const Direction& d : directions)
                cases.push_back(
                    {modul, text, d.Orientation,
                     "M" + std::to_string(modul) + (text ? "/Text/" : "/Bars/") + d.Name});
    return cases;
}

// Typical values of the eight symbologies compared; the peer takes the same data with its
// own start and stop conventions.
struct EncodeCase {
    const char* Name;
    TBarType Type;
    const char* Value;
    TCheckSum CheckSum;
};

inline constexpr EncodeCase EncodeCases[] = {
    {"Code128B", bcCode128B, "Quillmark-2026", csNone},
    {"Code39", bcCode39, "QUILLMARK-39", csNone},
    {"Code93", bcCode93, "QUILLMARK-93", csNone},
    {"EAN13", bcCodeEAN13, "400638133393", csModulo10},
    {"UPCA", bcCodeUPC_A, "03600029145", csModulo10},
    {"Interleaved2of5", bcCode_2_5_interleaved, "1234567890", csNone},
    {"Codabar", bcCodeCodabar, "31117013206375", csNone},
    {"MSI", bcCodeMSI, "123456789", csNone},
};

} // namespace quillmark::benchmarks
