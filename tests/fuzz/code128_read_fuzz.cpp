// Code 128's automatic code sets and the GS1 parser, each symbol drawn as a file's raster and
// read back by zxing-cpp, an independent decoder. The first byte picks the case:
//  - even: the rest as a Code 128 value; the symbol must read as the bytes it carries (the
//    value itself unless it holds the escape bytes of function characters), when it carries
//    any;
//  - odd: the rest as GS1 element strings; when the parser takes them, the GS1-128 symbol
//    must read as "]C1" and the element string built here from the parsed elements: each AI
//    and its data, a GS after every element of variable length but the last.
#include <quillmark/engine.h>
#include <quillmark/files.h>
#include <quillmark/gs1.h>
#include <quillmark/layout.h>
#include <quillmark/read_symbol.h>

#include <QImage>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace quillmark;

void Require(bool Condition) {
    if (!Condition)
        std::abort();
}

// Long enough for several code set changes, short enough that zxing reads the picture
// quickly.
constexpr std::size_t LongestValue = 120;
constexpr char GroupSeparator = '\x1D';

// Two pixels a module, a short symbol without text: what zxing needs and no more.
std::optional<TReading> DrawAndRead(TBarType Type, const std::string& Value) {
    TBarcodeDescription d;
    d.Barcode.BarType = Type;
    d.Barcode.BarCode = Value;
    d.Barcode.CheckSum = csNone;
    d.Barcode.TextShow = tsNone;
    d.Dpi = 254;
    d.XDimensionMM = 0.2;
    d.BarHeightMM = 3;
    const QImage image = RenderImage(RasterLayout(d)).convertToFormat(QImage::Format_Grayscale8);
    TReadHints hints;
    hints.Only = Type;
    hints.TryRotate = false;
    return ReadSymbol(TGreyImage{image.constBits(), image.width(), image.height(),
                                 static_cast<int>(image.bytesPerLine())},
                      hints);
}

void CheckCode128(const std::string& Value) {
    const std::optional<std::string> carried = Carried(bcCode128, Value, csNone).Data;
    std::optional<TReading> reading;
    try {
        reading = DrawAndRead(bcCode128, Value);
    } catch (const Exception&) {
        return; // refused (an empty value); the refusal is the encoder's to make
    }
    // zxing-cpp reads no symbol of no data; one of function characters alone reads as the
    // reader chooses.
    if (!carried || carried->empty())
        return;
    Require(reading.has_value());
    Require(reading->Bytes == *carried);
}

void CheckGS1(const std::string& Value) {
    std::vector<TGS1Element> elements;
    try {
        elements = ParseGS1(Value);
    } catch (const Exception&) {
        return;
    }
    std::string expected;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        expected += elements[i].AI + elements[i].Data;
        if (!elements[i].Predefined && i + 1 < elements.size())
            expected += GroupSeparator;
    }
    // Whatever the parser takes, the encoder must draw.
    const std::optional<TReading> reading = DrawAndRead(bcCodeGS1_128, Value);
    Require(reading.has_value());
    Require(reading->SymbologyId == "]C1");
    Require(reading->Bytes == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size == 0)
        return 0;
    const std::string value(reinterpret_cast<const char*>(Data) + 1,
                            std::min(Size - 1, LongestValue));
    if (Data[0] % 2 == 0)
        CheckCode128(value);
    else
        CheckGS1(value);
    return 0;
}
