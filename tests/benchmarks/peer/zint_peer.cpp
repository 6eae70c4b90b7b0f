// Zint, a mature C barcode library, as the peer: its raster output of the same Code 128B
// symbol, and its encoder on the same values.
#include "peer.h"
#include "peer_cases.h"
#include "zint_symbol.h"

#include <zint.h>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace quillmark::benchmarks {

namespace {

// Zint's raster output turns clockwise; ours counter-clockwise.
int ClockwiseDegrees(TOrientation Orientation) {
    switch (Orientation) {
    case toRightLeft:
        return 180;
    case toTopBottom:
        return 90;
    case toBottomTop:
        return 270;
    default:
        return 0;
    }
}

// Zint's symbology, check-digit option and data for an encode case.
struct ZintInput {
    int Symbology = 0;
    int Option2 = 0;
    std::string Data;
};

ZintInput ZintInputOf(const EncodeCase& Case) {
    switch (Case.Type) {
    case bcCode128B:
        return {BARCODE_CODE128B, 0, Case.Value};
    case bcCode39:
        return {BARCODE_CODE39, 0, Case.Value};
    case bcCode93:
        return {BARCODE_CODE93, 0, Case.Value};
    case bcCodeEAN13:
        return {BARCODE_EANX, 0, Case.Value}; // twelve digits: Zint adds the check digit
    case bcCodeUPC_A:
        return {BARCODE_UPCA, 0, Case.Value};
    case bcCode_2_5_interleaved:
        return {BARCODE_C25INTER, 0, Case.Value};
    case bcCodeCodabar:
        // Quillmark always starts with A and stops with B; Zint takes them in the data.
        return {BARCODE_CODABAR, 0, std::string("A") + Case.Value + "B"};
    case bcCodeMSI:
        return {BARCODE_MSI_PLESSEY, 1, Case.Value}; // 1: one modulo-10 check digit
    default:
        return {};
    }
}

bool Failed(int Result) {
    return Result >= ZINT_ERROR;
}

// Encodes once, then times the raster output alone (Zint's bitmap includes its text).
void ZintPaint(benchmark::State& state, const PaintCase& Case) {
    ZintSymbol symbol(ZBarcode_Create());
    symbol->symbology = BARCODE_CODE128B;
    symbol->scale = 0.5f * static_cast<float>(Case.Modul); // Zint draws 2 x scale px per module
    symbol->height = 100;
    symbol->show_hrt = Case.Text ? 1 : 0;
    const auto* data = reinterpret_cast<const unsigned char*>(PaintValue.data());
    if (Failed(ZBarcode_Encode(symbol.get(), data, static_cast<int>(PaintValue.size())))) {
        state.SkipWithError(symbol->errtxt);
        return;
    }
    const int degrees = ClockwiseDegrees(Case.Orientation);
    for (auto _ : state) {
        ZBarcode_Buffer(symbol.get(), degrees);
        benchmark::DoNotOptimize(symbol->bitmap);
    }
    state.counters["pixels"] = static_cast<double>(symbol->bitmap_width) * symbol->bitmap_height;
}

// The cheapest way to call ZBarcode_Encode again and again: one symbol, cleared each time.
void ZintEncode(benchmark::State& state, const EncodeCase& Case) {
    const ZintInput input = ZintInputOf(Case);
    const auto* data = reinterpret_cast<const unsigned char*>(input.Data.data());
    const int length = static_cast<int>(input.Data.size());
    ZintSymbol symbol(ZBarcode_Create());
    symbol->symbology = input.Symbology;
    symbol->option_2 = input.Option2;
    if (Failed(ZBarcode_Encode(symbol.get(), data, length))) {
        state.SkipWithError(symbol->errtxt);
        return;
    }
    for (auto _ : state) {
        ZBarcode_Clear(symbol.get());
        benchmark::DoNotOptimize(ZBarcode_Encode(symbol.get(), data, length));
    }
}

// As a one-off caller pays it: create, encode, delete.
void ZintEncodeFresh(benchmark::State& state, const EncodeCase& Case) {
    const ZintInput input = ZintInputOf(Case);
    const auto* data = reinterpret_cast<const unsigned char*>(input.Data.data());
    const int length = static_cast<int>(input.Data.size());
    for (auto _ : state) {
        ZintSymbol symbol(ZBarcode_Create());
        symbol->symbology = input.Symbology;
        symbol->option_2 = input.Option2;
        benchmark::DoNotOptimize(ZBarcode_Encode(symbol.get(), data, length));
    }
}

} // namespace

std::optional<std::string> PeerCode128Modules(const std::string& Bytes) {
    ZintSymbol symbol(ZBarcode_Create());
    symbol->symbology = BARCODE_CODE128;
    symbol->input_mode = DATA_MODE; // the bytes as they are, Latin-1 through FNC4
    const auto* data = reinterpret_cast<const unsigned char*>(Bytes.data());
    if (Failed(ZBarcode_Encode(symbol.get(), data, static_cast<int>(Bytes.size()))))
        return std::nullopt;
    // Zint keeps each row's modules as bits, the first module in the lowest bit.
    std::string modules;
    for (int x = 0; x < symbol->width; ++x)
        modules += (symbol->encoded_data[0][x >> 3] >> (x & 7)) & 1 ? '1' : '0';
    return modules;
}

std::string PeerName() {
    return "Zint";
}

void RegisterPeerPaint(const PaintCase& Case) {
    benchmark::RegisterBenchmark(("Paint/Zint/" + Case.Peer).c_str(), ZintPaint, Case);
}

void RegisterPeerEncode(const EncodeCase& Case) {
    benchmark::RegisterBenchmark((std::string("Encode/Zint/") + Case.Name).c_str(), ZintEncode,
                                 Case);
    benchmark::RegisterBenchmark((std::string("Encode/ZintFresh/") + Case.Name).c_str(),
                                 ZintEncodeFresh, Case);
}

} // namespace quillmark::benchmarks
