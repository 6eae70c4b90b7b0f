// ZPL labels: the graphic read back by the test's own reader scans as its value at whole
// dots a module; the native form gives the printer's commands of the ZPL II guide.
#include "files_fixture.h"
#include "matrix_reading.h"
#include "zpl_reader.h"
#include <quillmark/output_job.h>
#include <quillmark/zpl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quillmark {
namespace {

TBarcodeDescription Describe(TBarType Type, const char* Value, double XMM, int Dpi,
                             double BarHeightMM = 0) {
    TBarcodeDescription d;
    d.BarHeightMM = BarHeightMM;
    d.Barcode.BarType = Type;
    d.Barcode.BarCode = Value;
    d.Barcode.TextShow = DefaultTextShow(Type);
    d.XDimensionMM = XMM;
    d.Dpi = Dpi;
    return d;
}

// The narrowest run of dots or paper across the picture's middle row between its first and
// last dot: the module where every symbol's narrowest element is one module.
int NarrowestRun(const QImage& Picture, int Row) {
    const uchar* line = Picture.constScanLine(Row);
    int first = 0;
    int last = Picture.width() - 1;
    while (first < last && line[first] != 0)
        ++first;
    while (last > first && line[last] != 0)
        --last;
    int narrowest = Picture.width();
    for (int x = first, run = 1; x < last; ++x, ++run)
        if (line[x + 1] != line[x]) {
            narrowest = std::min(narrowest, run);
            run = 0;
        }
    return narrowest;
}

// The sentence Draw refuses with; empty where it draws.
std::string RefusalOf(const std::function<void()>& Draw) {
    try {
        Draw();
    } catch (const Exception& e) {
        return e.Message();
    }
    return {};
}

TEST(ZplGraphic, EachFamilyScansAtWholeDotsAModule) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Read; // as zxing reads it
        double XMM;
        int Dpi;
        int Dots; // X x dpi / 25.4, rounded by hand
        int Row;  // a row across the symbol, from the top
    } cases[] = {
        {bcCodeEAN13, "4006381333931", "4006381333931", 0.33, 203, 3, 40},
        {bcCodeEAN13, "4006381333931", "4006381333931", 0.33, 300, 4, 40},
        {bcCodeGS1_128, "(01)09501101530003(10)AB-123", "010950110153000310AB-123", 0.25, 203, 2,
         40},
        {bcCodeGS1_128, "(01)09501101530003(10)AB-123", "010950110153000310AB-123", 0.25, 300, 3,
         40},
        {bcCode39, "QUILL-39", "QUILL-39", 0.19, 203, 2, 40},
        {bcCode39, "QUILL-39", "QUILL-39", 0.19, 600, 4, 40},
        {bcCodeQR, "https://example.com/zpl", "https://example.com/zpl", 0.5, 203, 4, -1},
        {bcCodeDataMatrix, "QUILLMARK ZPL 300", "QUILLMARK ZPL 300", 0.5, 300, 6, -1},
        // Over ^GF's 99,999 bytes: strips one under the other.
        {bcCode128, "QUILLMARK-ZPL-0123456789", "QUILLMARK-ZPL-0123456789", 0.33, 600, 8, 40},
    };
    for (const auto& c : cases) {
        const std::string name = BarTypeName(c.Type) + " at " + std::to_string(c.Dpi);
        const TBarcodeDescription d = Describe(c.Type, c.Value, c.XMM, c.Dpi);
        const QByteArray zpl = RenderFile(d, TFileFormat::Zpl);
        const auto label = testing::ReadZplGraphic(zpl);
        ASSERT_TRUE(label) << name;
        // No graphic over the byte count ^GF takes; a larger picture in strips.
        const QString text = QString::fromLatin1(zpl);
        int graphics = 0;
        for (const auto& count :
             QRegularExpression(QStringLiteral(R"(\^GFA,(\d+),)")).globalMatch(text)) {
            EXPECT_LE(count.captured(1).toInt(), 99'999) << name;
            ++graphics;
        }
        EXPECT_EQ(graphics > 1, label->Picture.width() / 8 * label->Picture.height() > 99'999)
            << name;
        EXPECT_EQ(label->Width, RenderImage(d).width()) << name;
        EXPECT_EQ(label->Length, label->Picture.height()) << name;
        const QImage picture = label->Picture.copy(0, 0, label->Width, label->Length);
        const bool grid = c.Row < 0;
        std::optional<std::string> read;
        if (grid) {
            if (const auto matrix = testing::ReadMatrix(picture))
                read = matrix->Bytes;
        } else if (const auto scan = ScanImage(picture, false)) {
            read = scan->Text;
        }
        ASSERT_TRUE(read) << name;
        EXPECT_EQ(*read, c.Read) << name;
        EXPECT_EQ(NarrowestRun(picture, grid ? picture.height() / 2 : c.Row), c.Dots) << name;
    }
}

TEST(ZplGraphic, RefusesWhatAThermalPrinterCantPrint) {
    TBarcodeDescription odd = Describe(bcCode128, "QM-1", 0.33, 250);
    TBarcodeDescription red = Describe(bcCode128, "QM-1", 0.33, 203);
    red.Barcode.ColorBar = 0x0000FF;
    const struct {
        TBarcodeDescription Description;
        const char* Message;
    } cases[] = {
        {odd, "ZPL : 250 dpi is no label printer's resolution; use 203, 300 or 600 dpi (8, 12 "
              "or 24 dots/mm)."},
        {red, "ZPL : A thermal printer prints black on white only; draw the bars and text in "
              "black (#000000) on white (#FFFFFF)."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RefusalOf([&c] { RenderFile(c.Description, TFileFormat::Zpl); }), c.Message);
}

// The field from ^BY to ^FS, as the printer's command reference writes it.
std::string NativeField(const TBarcodeDescription& D) {
    TOutputJob job;
    job.Description = D;
    job.Format = TFileFormat::Zpl;
    job.ZplForm = TZplForm::Native;
    QByteArray bytes;
    RunOutputJob(job, D.Barcode.BarCode, [&bytes](const QByteArray& B) { bytes = B; });
    const std::string zpl = bytes.toStdString();
    const auto from = zpl.find("^BY");
    return from == std::string::npos ? zpl : zpl.substr(from, zpl.find("^FS") - from);
}

TEST(ZplNative, EachTypeGetsThePrintersCommand) {
    const struct {
        TBarType Type;
        const char* Value;
        double XMM;
        int Dpi;
        const char* Field; // ^BY to ^FS; 15 mm bars: 120 dots at 203 dpi, 177 at 300
    } cases[] = {
        {bcCode128, "QM-128", 0.25, 203, "^BY2^BCN,120,Y,N,N,A^FDQM-128"},
        {bcCode128C, "012345", 0.25, 203, "^BY2^BCN,120,Y,N,N,N^FD>;012345"},
        {bcCodeGS1_128, "(01)09501101530003(10)AB-123(21)7", 0.25, 203,
         "^BY2^BCN,120,Y,N,N,A^FD>;>80109501101530003"
         "10AB-123>8217"},
        {bcCodeEAN13, "4006381333931", 0.33, 300, "^BY4^BEN,177,Y,N^FD400638133393"},
        {bcCodeEAN8, "55123457", 0.33, 203, "^BY3^B8N,120,Y,N^FD5512345"},
        {bcCodeUPC_A, "036000291452", 0.33, 203, "^BY3^BUN,120,Y,N^FD03600029145"},
        {bcCode39, "QUILL-39", 0.25, 203, "^BY2,2.5^B3N,N,120,Y,N^FDQUILL-39"},
        {bcCode93, "QUILL-93", 0.25, 300, "^BY3^BAN,177,Y,N,N^FDQUILL-93"},
        {bcCode_2_5_interleaved, "1234567890", 0.25, 203, "^BY2,2.5^B2N,120,Y,N,N^FD1234567890"},
        {bcCodeCodabar, "31117013206375", 0.25, 203, "^BY2,2.5^BKN,N,120,Y,N,A,B^FD31117013206375"},
        {bcCodeQR, "QM", 0.5, 203, "^BY4^BQN,2,4^FDMA,QM"},
        {bcCodeDataMatrix, "QM", 0.5, 300, "^BY6^BXN,6,200,0,0^FDQM"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NativeField(Describe(c.Type, c.Value, c.XMM, c.Dpi, 15)), c.Field)
            << BarTypeName(c.Type);
}

TEST(ZplNative, RefusesWhatTheCommandCantSay) {
    TBarcodeDescription versioned = Describe(bcCodeQR, "QM", 0.5, 203);
    versioned.Barcode.Matrix.QrVersion = 5;
    const struct {
        TBarcodeDescription Description;
        const char* Message;
    } cases[] = {
        {Describe(bcCodeUPC_E0, "4252614", 0.33, 203),
         "ZPL : No native command is written for UPC_E0; leave out --zpl native to print the "
         "symbol as a graphic."},
        {versioned, "ZPL : The printer chooses the version itself; a fixed --qr-version can't be "
                    "given for QR Code; leave out --zpl native to print the symbol as a graphic."},
        {Describe(bcCode128, "A>B", 0.33, 203),
         "ZPL : The printer's field data can't carry the character '>' for Code 128; leave out "
         "--zpl native to print the symbol as a graphic."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RefusalOf([&c] { NativeField(c.Description); }), c.Message);
}

} // namespace
} // namespace quillmark
