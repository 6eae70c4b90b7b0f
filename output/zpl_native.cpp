// The native form: the printer's own barcode command for a type, with the module width,
// height and options Quillmark would draw it at. Commands and parameters as the ZPL II
// Programming Guide (Zebra, 45541L) documents them.
#include "zpl.h"

#include <quillmark/decimal_text.h>
#include <quillmark/gs1.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace quillmark {

namespace {

// How a command's parameters and field data are made.
enum class TZplShape {
    Code128,     // ^BCo,h,f,g,e,m, a start code in the data
    GS1_128,     // ^BC in automatic mode, FNC1 (>8) before the first AI and after each
                 // variable-length one
    Retail,      // ^BEo,h,f,g and kin: the data without its check digit
    Code39,      // ^B3o,e,h,f,g
    Code93,      // ^BAo,h,f,g,e
    Interleaved, // ^B2o,h,f,g,e: e asks the printer for the Mod 10 check digit
    Msi,         // ^BMo,e,h,f,g,e2: e chooses the check digits
    Codabar,     // ^BKo,e,h,f,g,k,l: k and l the start and stop characters
    PostNet,     // ^BZo,h,f,g
    Qr,          // ^BQo,2,m, the error correction level and input mode in the data
    DataMatrix,  // ^BXo,h,200,c,r: h the module size in dots
};

struct TZplCommand {
    TBarType Type;
    const char* Command;
    TZplShape Shape;
    int DataDigits = 0;     // Retail: the digits sent, the check digit left to the printer
    bool TwoWidths = false; // ^BY's wide-to-narrow ratio applies
};

// ZPL II Programming Guide, "ZPL Commands": ^BC Code 128, ^BE EAN-13, ^B8 EAN-8, ^BU UPC-A,
// ^B3 Code 39, ^BA Code 93, ^B2 Interleaved 2 of 5, ^BM MSI, ^BK Codabar, ^BZ POSTNET, ^BQ QR Code,
// ^BX Data Matrix.
constexpr std::array<TZplCommand, 16> ZplCommands{{
    {bcCode128, "^BC", TZplShape::Code128},
    {bcCode128A, "^BC", TZplShape::Code128},
    {bcCode128B, "^BC", TZplShape::Code128},
    {bcCode128C, "^BC", TZplShape::Code128},
    {bcCodeGS1_128, "^BC", TZplShape::GS1_128},
    {bcCodeEAN13, "^BE", TZplShape::Retail, 12},
    {bcCodeEAN8, "^B8", TZplShape::Retail, 7},
    {bcCodeUPC_A, "^BU", TZplShape::Retail, 11},
    {bcCode39, "^B3", TZplShape::Code39, 0, true},
    {bcCode93, "^BA", TZplShape::Code93},
    {bcCode_2_5_interleaved, "^B2", TZplShape::Interleaved, 0, true},
    {bcCodeMSI, "^BM", TZplShape::Msi},
    {bcCodeCodabar, "^BK", TZplShape::Codabar, 0, true},
    {bcCodePostNet, "^BZ", TZplShape::PostNet},
    {bcCodeQR, "^BQ", TZplShape::Qr},
    {bcCodeDataMatrix, "^BX", TZplShape::DataMatrix},
}};

// ^BY's range of module widths and ratios.
constexpr int MaxModuleDots = 10;
constexpr double MinZplRatio = 2.0;
constexpr double MaxZplRatio = 3.0;

[[noreturn]] void Refuse(TBarType Type, const std::string& What) {
    throw Exception("ZPL : " + What + " for " + BarTypeName(Type) +
                    "; leave out --zpl native to print the symbol as a graphic.");
}

const TZplCommand& CommandFor(TBarType Type) {
    const auto found = std::find_if(ZplCommands.begin(), ZplCommands.end(),
                                    [Type](const TZplCommand& c) { return c.Type == Type; });
    if (found == ZplCommands.end())
        Refuse(Type, "No native command is written");
    return *found;
}

char Orientation(TOrientation Turn) {
    switch (Turn) {
    case toTopBottom:
        return 'R';
    case toRightLeft:
        return 'I';
    case toBottomTop:
        return 'B';
    case toLeftRight:
        break;
    }
    return 'N';
}

// ^FD ends at a caret and takes a tilde as a command; Code 128 reads '>' as a code change.
std::string FieldData(TBarType Type, const std::string& Value, bool Code128) {
    for (const char c : Value) {
        const auto byte = static_cast<unsigned char>(c);
        const bool printable = byte >= 0x20 && byte <= 0x7E;
        if (!printable || c == '^' || c == '~' || (Code128 && c == '>'))
            Refuse(Type, "The printer's field data can't carry " +
                             (printable ? "the character '" + std::string(1, c) + "'"
                                        : "the byte " + std::to_string(byte)));
    }
    return Value;
}

std::string GS1Data(const std::string& Value) {
    std::string data = ">;>8";
    const std::vector<TGS1Element> elements = ParseGS1(Value);
    for (std::size_t i = 0; i < elements.size(); ++i) {
        data += elements[i].AI + elements[i].Data;
        if (!elements[i].Predefined && i + 1 < elements.size())
            data += ">8";
    }
    return data;
}

std::string YesNo(bool Yes) {
    return Yes ? "Y" : "N";
}

} // namespace

QByteArray NativeZpl(const TBarcodeDescription& Description, const TOutputLayout& Raster) {
    CheckZplDpi(Description.Dpi);
    const TSymbolLook& look = Description.Barcode;
    const TBarType type = look.BarType;
    const TZplCommand& command = CommandFor(type);
    const int dots = Raster.Modul;
    if (dots > MaxModuleDots)
        Refuse(type, "A module of " + std::to_string(dots) + " dots is wider than ^BY's " +
                         std::to_string(MaxModuleDots));
    const bool checked = look.CheckSum == csModulo10;
    if (checked && command.Shape != TZplShape::Interleaved && command.Shape != TZplShape::Msi)
        Refuse(type, "The printer adds no Mod 10 check digit");
    const std::string o(1, Orientation(look.Orientation));
    const std::string height = std::to_string(Raster.BarRows);
    const bool text = look.TextShow != tsNone;
    const bool above = look.TextPosition == tpTopLeft || look.TextPosition == tpTopRight ||
                       look.TextPosition == tpTopCenter;
    const std::string f = YesNo(text);
    const std::string g = YesNo(text && above);
    const std::string& value = look.BarCode;

    std::string by = "^BY" + std::to_string(dots);
    if (command.TwoWidths) {
        const double ratio = std::round(OutputRatio(Description) * 10) / 10;
        if (ratio < MinZplRatio || ratio > MaxZplRatio)
            Refuse(type, "A ratio of " + DecimalText(ratio, 1) + " is outside ^BY's 2.0 to 3.0");
        by += "," + DecimalText(ratio, 1);
    }
    // Most commands take the height and the interpretation line's two flags in a row.
    const std::string hfg = height + "," + f + "," + g;
    const bool code128 = command.Shape == TZplShape::Code128 || command.Shape == TZplShape::GS1_128;
    std::string data = FieldData(type, value, code128);
    std::string field;
    switch (command.Shape) {
    case TZplShape::Code128: {
        const char* start = type == bcCode128A   ? ">9"
                            : type == bcCode128B ? ">:"
                            : type == bcCode128C ? ">;"
                                                 : "";
        field = o + "," + hfg + ",N," + (type == bcCode128 ? "A" : "N");
        data = start + data;
        break;
    }
    case TZplShape::GS1_128:
        field = o + "," + hfg + ",N,A";
        data = GS1Data(value);
        break;
    case TZplShape::Retail:
        if (value.size() != static_cast<std::size_t>(command.DataDigits) + 1 ||
            !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
            Refuse(type, "The printer's command takes " + std::to_string(command.DataDigits) +
                             " digits and its check digit, no add-on,");
        field = o + "," + hfg;
        data = value.substr(0, static_cast<std::size_t>(command.DataDigits));
        break;
    case TZplShape::Code39:
        field = o + ",N," + hfg;
        break;
    case TZplShape::Code93:
        field = o + "," + hfg + ",N";
        break;
    case TZplShape::Interleaved:
        field = o + "," + hfg + "," + YesNo(checked);
        break;
    case TZplShape::Msi:
        field = o + "," + (checked ? "B" : "A") + "," + hfg + ",N";
        break;
    case TZplShape::Codabar:
        // The engine draws A before the data and B after it.
        field = o + ",N," + hfg + ",A,B";
        break;
    case TZplShape::PostNet:
        field = o + "," + hfg;
        break;
    case TZplShape::Qr: {
        if (look.Matrix.QrVersion != 0)
            Refuse(type, "The printer chooses the version itself; a fixed --qr-version can't be "
                         "given");
        static constexpr char Levels[] = "LMQH";
        field = o + ",2," + std::to_string(dots);
        data = std::string(1, Levels[static_cast<int>(look.Matrix.QrLevel)]) + "A," + data;
        break;
    }
    case TZplShape::DataMatrix:
        if (look.Matrix.DataMatrixShape != TDataMatrixShape::Square &&
            look.Matrix.DataMatrixRows == 0)
            Refuse(type, "The printer chooses only square sizes itself; a rectangular shape "
                         "needs --dm-size");
        field = o + "," + std::to_string(dots) + ",200," +
                std::to_string(look.Matrix.DataMatrixColumns) + "," +
                std::to_string(look.Matrix.DataMatrixRows);
        break;
    }
    const std::string zpl = "^XA\n^PW" + std::to_string(Raster.Size.width()) + "\n^LL" +
                            std::to_string(Raster.Size.height()) + "\n^FO" +
                            std::to_string(Raster.Box.Left) + "," + std::to_string(Raster.Box.Top) +
                            by + command.Command + field + "^FD" + data + "^FS\n^XZ\n";
    return QByteArray::fromStdString(zpl);
}

} // namespace quillmark
