// What both sides of the peer benchmarks draw and encode, so that each pair measures the
// same work. Benchmark names pair up as "<Area>/Ours/<case>" and "<Area>/<Peer>/<case>".
#pragma once

#include <quillmark/engine.h>
#include <quillmark/symbol_types.h>

#include <QImage>

#include <string>
#include <vector>

namespace quillmark::benchmarks {

// A Code 128B value of 52 characters: 607 modules, so 607 x 100 pixels at Modul 1.
inline const std::string PaintValue = "Quillmark-2026 Quillmark-2026 Quillmark-2026 Quillma";

// The symbol is 100 pixels per module tall: bars cover rows 0 to h.
inline int PaintBarHeight(int Modul) {
    return 100 * Modul - 1;
}

// The symbol in one reading direction, and the image format ours is drawn into; the peer
// draws its own 24-bit buffer whatever the format.
struct PaintCase {
    int Modul;
    bool Text;
    TOrientation Orientation;
    QImage::Format Format;
    std::string Peer; // "M1/Bars/LeftRight": the peer's case, the same for every format
    std::string Name; // "M1/Bars/LeftRight/RGB32"
};

// At Modul 1 without text (the peer draws none there) and at Modul 2 with it, in the four
// directions, into the four formats programs paint into.
inline std::vector<PaintCase> PaintCases() {
    struct Direction {
        TOrientation Orientation;
        const char* Name;
    };
    constexpr Direction directions[] = {{toLeftRight, "LeftRight"},
                                        {toRightLeft, "RightLeft"},
                                        {toTopBottom, "TopBottom"},
                                        {toBottomTop, "BottomTop"}};
    struct Format {
        QImage::Format Format;
        const char* Name;
    };
    constexpr Format formats[] = {{QImage::Format_RGB32, "RGB32"},
                                  {QImage::Format_ARGB32_Premultiplied, "ARGB32P"},
                                  {QImage::Format_Grayscale8, "Gray8"},
                                  {QImage::Format_Mono, "Mono"}};
    std::vector<PaintCase> cases;
    for (const int modul : {1, 2})
        for (const Direction& d : directions)
            for (const Format& f : formats) {
                const bool text = modul == 2;
                const std::string peer =
                    "M" + std::to_string(modul) + (text ? "/Text/" : "/Bars/") + d.Name;
                cases.push_back({modul, text, d.Orientation, f.Format, peer, peer + "/" + f.Name});
            }
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
