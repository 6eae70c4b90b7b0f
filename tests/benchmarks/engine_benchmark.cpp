// MakeModules plus PatternWidth, per symbology, on a typical value.
#include <quillmark/engine.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace quillmark;

struct Sample {
    TBarType Type;
    const char* Value;
};

constexpr Sample Samples[] = {
    {bcCode_2_5_interleaved, "1234567890"},
    {bcCode_2_5_industrial, "123456789"},
    {bcCode_2_5_matrix, "123456789"},
    {bcCode39, "QUILLMARK-39"},
    {bcCode39Extended, "Quillmark 39"},
    {bcCode128A, "QUILLMARK 128"},
    {bcCode128B, "Quillmark 128"},
    {bcCode128C, "1234567890"},
    {bcCode93, "QUILLMARK-93"},
    {bcCode93Extended, "Quillmark 93"},
    {bcCodeMSI, "123456789"},
    {bcCodePostNet, "123456789"},
    {bcCodeCodabar, "31117013206375"},
    {bcCodeEAN8, "5512345"},
    {bcCodeEAN13, "400638133393"},
    {bcCodeUPC_A, "03600029145"},
    {bcCodeUPC_E0, "123456"},
    {bcCodeUPC_E1, "123456"},
    {bcCodeUPC_Supp2, "12"},
    {bcCodeUPC_Supp5, "12345"},
    // Digits only: EAN-128 takes the modulo-10 check digit asked for below.
    {bcCodeEAN128A, "10123456789"},
    {bcCodeEAN128B, "21987654321"},
    {bcCodeEAN128C, "0123456789"},
};

void EncodeAndMeasure(benchmark::State& state) {
    const Sample& sample = Samples[state.range(0)];
    state.SetLabel(BarTypeName(sample.Type));
    for (auto _ : state) {
        double ratio = 2.5;
        std::string text = sample.Value;
        std::string pattern;
        MakeModules(sample.Type, sample.Value, 2, ratio, csModulo10, text, pattern);
        benchmark::DoNotOptimize(pattern);
        benchmark::DoNotOptimize(PatternWidth(sample.Type, sample.Value, 2, 2.5, csModulo10));
    }
}

} // namespace

BENCHMARK(EncodeAndMeasure)->DenseRange(0, std::size(Samples) - 1);
