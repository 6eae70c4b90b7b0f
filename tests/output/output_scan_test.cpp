// Files at a true size scan back to their values, in every format and direction.
#include "files_fixture.h"
#include <quillmark/files.h>
#include <quillmark/layout.h>
#include <quillmark/print.h>

#include <QDir>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

struct Symbol {
    TBarType Type;
    const char* Value;
    const char* Expected; // as zxing reads it
    bool Extended = false;
};

// One standard value for each symbology zxing reads.
const Symbol Symbols[] = {
    {bcCode39, "QUILLMARK-39", "QUILLMARK-39"},
    {bcCode39Extended, "Quill 39", "Quill 39", true},
    {bcCode93, "QUILL-93", "QUILL-93"},
    {bcCode93Extended, "Quill93", "Quill93"},
    {bcCode128A, "QUILL 128", "QUILL 128"},
    {bcCode128B, "Quill-128", "Quill-128"},
    {bcCode128C, "0123456789", "0123456789"},
    {bcCodeEAN128C, "0112345678901231", "0112345678901231"},
    {bcCode_2_5_interleaved, "1234567890", "1234567890"},
    {bcCodeCodabar, "31117013206375", "31117013206375"},
    {bcCodeEAN8, "55123457", "55123457"},
    {bcCodeEAN13, "4006381333931", "4006381333931"},
    {bcCodeUPC_A, "036000291452", "036000291452"},
    {bcCodeUPC_E0, "4252614", "04252614"},
};

TBarcodeDescription Describe(const Symbol& S, TOrientation Orientation = toLeftRight) {
    TBarcodeDescription d;
    d.Barcode.BarType = S.Type;
    d.Barcode.BarCode = S.Value;
    d.Barcode.Orientation = Orientation;
    return d;
}

TEST_F(Files, PngScansInEveryDirection) {
    for (const Symbol& s : Symbols)
        for (const TOrientation o : {toLeftRight, toRightLeft, toTopBottom, toBottomTop}) {
            const auto scan = ScanImage(RenderImage(Describe(s, o)), s.Extended);
            ASSERT_TRUE(scan) << BarTypeName(s.Type) << " orientation " << int(o);
            EXPECT_EQ(scan->Text, s.Expected) << BarTypeName(s.Type) << " orientation " << int(o);
        }
}

TEST_F(Files, SvgAndPdfScanOnceRasterised) {
    for (const Symbol& s : {Symbols[5], Symbols[11], Symbols[8]})
        for (const char* name : {"symbol.svg", "symbol.pdf"}) {
            SaveBarcode(Path(name), Describe(s, toBottomTop));
            const auto scan = ScanImage(Rasterise(Path(name)), false);
            ASSERT_TRUE(scan) << name << " " << s.Value;
            EXPECT_EQ(scan->Text, s.Expected);
        }
}

TEST_F(Files, SizesFollowXDimensionAndResolution) {
    // EAN-13: 95 modules and quiet zones of 11 and 7, so 113 X along the symbol. The text
    // over the bars, so that the picture is the bars' height (the standard layout's rows
    // below them are tested with that layout).
    TBarcodeDescription d = Describe(Symbols[11]);
    d.Barcode.TextLayout = tlOverBars;
    d.Dpi = 600;
    const QImage png = QImage::fromData(RenderPng(d));
    const int modul = qRound(0.33 * 600 / 25.4);
    EXPECT_EQ(png.width(), 113 * modul);
    EXPECT_EQ(png.height(), qRound(22.85 * 600 / 25.4));
    EXPECT_EQ(png.dotsPerMeterX(), qRound(600 / 0.0254));
    EXPECT_NEAR(AchievedXDimensionMM(d), modul * 25.4 / 600, 1e-9);

    d.XDimensionMM = 0.4;
    d.BarHeightMM = 20;
    d.Barcode.Orientation = toTopBottom;
    const QByteArray svg = RenderSvg(d);
    const QString head = QString::fromLatin1(svg.left(400));
    EXPECT_TRUE(head.contains(QStringLiteral("width=\"20mm\" height=\"45.2mm\""))) << svg.data();
    EXPECT_TRUE(head.contains(QStringLiteral("viewBox=\"0 0 20000 45200\""))) << svg.data();
    // Bars only, each run of one colour one rectangle (closed with z in the bars' path):
    // about 30 for an EAN-13.
    EXPECT_LE(svg.count("<rect") + svg.count('z'), 33);

    SaveBarcode(Path("size.pdf"), d);
    QByteArray info;
    RunTool(QStringLiteral(QUILLMARK_PDFINFO), {Path("size.pdf")}, &info);
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+) pts"))
            .match(QString::fromLatin1(info));
    ASSERT_TRUE(page.hasMatch()) << info.data();
    EXPECT_NEAR(page.captured(1).toDouble() * 25.4 / 72, 20.0, 0.1);
    EXPECT_NEAR(page.captured(2).toDouble() * 25.4 / 72, 45.2, 0.1);
    // The text is real text, in a font embedded in the file.
    QByteArray fonts;
    RunTool(QStringLiteral(QUILLMARK_PDFFONTS), {Path("size.pdf")}, &fonts);
    EXPECT_TRUE(fonts.contains("DejaVuSans") && fonts.contains(" yes ")) << fonts.data();
}

// A font family or value of any bytes gives well-formed SVG: no element or attribute but
// the writer's own.
TEST_F(Files, SvgEscapesWhatItIsGiven) {
    for (const char* family : {"x\" onmouseover=\"alert(1)", "<script>&", "a'b"}) {
        TBarcodeDescription d = Describe(Symbols[5]);
        d.Font.setFamily(QString::fromLatin1(family));
        d.Barcode.BarCode = "<&>\"'\x01";
        d.Barcode.TextShow = tsBoth;
        QXmlStreamReader xml(RenderSvg(d));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            EXPECT_TRUE(QStringList({"svg", "title", "desc", "g", "rect", "path", "text"})
                            .contains(xml.name().toString()))
                << xml.name().toString().toStdString();
            for (const QXmlStreamAttribute& attribute : xml.attributes())
                EXPECT_FALSE(attribute.name().startsWith(QLatin1String("on"))) << family;
        }
        EXPECT_FALSE(xml.hasError()) << family << ": " << xml.errorString().toStdString();
    }
}

// Every PNG the output writes loads back through Qt's own reader; a larger picture is
// refused with its size and what draws it smaller.
TEST_F(Files, RastersStayWithinWhatReadersLoad) {
    const struct {
        int Dpi;
        double XDimensionMM;
        double HeightMM;
        const char* Refusal; // nullptr: drawn
    } cases[] = {
        {2400, 0.5, 120, "pixels a side and 32 million"}, // 4136 x 11339 pixels
        {600, 0.33, 100, nullptr},
        {10000, 0.33, 50, "too long to draw"}, // over 16384 pixels along the bars
    };
    for (const auto& c : cases) {
        TBarcodeDescription d = Describe(Symbols[5]);
        d.Dpi = c.Dpi;
        d.XDimensionMM = c.XDimensionMM;
        d.BarHeightMM = c.HeightMM;
        try {
            const QImage image = QImage::fromData(RenderPng(d));
            EXPECT_EQ(c.Refusal, nullptr) << c.Dpi;
            EXPECT_FALSE(image.isNull()) << c.Dpi;
        } catch (const Exception& e) {
            ASSERT_NE(c.Refusal, nullptr) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Refusal), std::string::npos) << e.what();
        }
    }
}

TEST_F(Files, VectorWideElementsKeepTheRatio) {
    TBarcodeDescription d = Describe(Symbols[0]);
    d.Barcode.Ratio = 2.25;
    const QByteArray svg = RenderSvg(d);
    EXPECT_TRUE(svg.contains("h100v") && svg.contains("h225v")) << svg.data();
}

TEST_F(Files, TextWiderThanTheBarsWidensTheMargins) {
    TBarcodeDescription d = Describe(Symbols[10]); // EAN-8: 67 modules, margins of 7 and 7
    d.Barcode.TextShow = tsBoth;
    d.FontSizePt = 14;
    const QImage image = RenderImage(d);
    EXPECT_GT(image.width(), 81 * RasterModul(d));
    for (const int x : {0, image.width() - 1})
        for (int y = 0; y < image.height(); ++y)
            ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << x << ", " << y;
}

TEST_F(Files, FailedWritesNameTheFileAndLeaveNothing) {
    const TBarcodeDescription d = Describe(Symbols[0]);
    const struct {
        const char* Name;
        const char* Reason;
    } cases[] = {{"missing/folder/a.png", "missing/folder/a.png : "},
                 {"a.gif", "a.gif : Unknown file type"}};
    for (const auto& c : cases) {
        try {
            SaveBarcode(Path(c.Name), d);
            ADD_FAILURE() << c.Name;
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.Reason), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

TEST_F(Files, PrintsAtTrueSizeOnAPage) {
    {
        QPdfWriter page(Path("page.pdf"));
        PrintBarcode(page, Describe(Symbols[6]));
    }
    const auto scan = ScanImage(Rasterise(Path("page.pdf")), false);
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->Text, "0123456789");
    TBarcodeDescription huge = Describe(Symbols[6]);
    huge.XDimensionMM = 5;
    QPdfWriter page(Path("huge.pdf"));
    EXPECT_THROW(PrintBarcode(page, huge), Exception);
}

} // namespace
} // namespace quillmark
