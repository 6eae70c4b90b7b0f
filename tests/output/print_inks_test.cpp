// Print-shop files read by Ghostscript as the independent reader: CMYK inks reach the page
// as CMYK (its inkcov device counts the ink of each plate), and EPS files rasterise at their
// bounding box's size to pictures that scan as the value.
#include "files_fixture.h"
#include "matrix_reading.h"
#include <quillmark/inks.h>
#include <quillmark/sheet_document.h>

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace quillmark {
namespace {

struct TCoverage {
    std::array<double, 4> Plates{}; // C, M, Y, K: the share of the page each covers
};

class PrintInks : public Files {
protected:
    // Ghostscript's count of each plate's ink on the first page of File.
    TCoverage Coverage(const QString& File) {
        QByteArray out;
        RunTool(QStringLiteral(QUILLMARK_GS),
                {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=inkcov", "-o", "-",
                 File},
                &out);
        const QStringList numbers = QString::fromLatin1(out).split(
            QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        TCoverage coverage;
        EXPECT_GE(numbers.size(), 4) << out.toStdString();
        for (int i = 0; i < 4 && i < numbers.size(); ++i)
            coverage.Plates[static_cast<std::size_t>(i)] = numbers[i].toDouble();
        return coverage;
    }
    // File, EPS or PDF, rasterised in grey by Ghostscript at Dpi.
    QImage GsRaster(const QString& File, int Dpi) {
        RunTool(QStringLiteral(QUILLMARK_GS),
                {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=pnggray",
                 "-r" + QString::number(Dpi), "-o", File + ".png", File});
        return QImage(File + ".png").convertToFormat(QImage::Format_Grayscale8);
    }
};

TBarcodeDescription PrintSymbol(TBarType Type, const std::string& Value) {
    TBarcodeDescription d;
    d.Barcode.BarType = Type;
    d.Barcode.TextShow = DefaultTextShow(Type);
    return DescribeValue(d, Value, TCheckDigits::Auto);
}

TBarcodeDescription InCmyk(TBarcodeDescription D) {
    UseCmykModel(D);
    return D;
}

TEST_F(PrintInks, DefaultBlackUnderCmykIsBlackInkAlone) {
    const TBarcodeDescription d = InCmyk(PrintSymbol(bcCode128B, "QM-1001"));
    const QByteArray pdf = RenderPdf(d);
    // The bars' ink, then no RGB operator anywhere.
    EXPECT_TRUE(pdf.contains("\n0 0 0 1 k\n"));
    EXPECT_TRUE(pdf.contains("\n0 0 0 0 k\n")); // the spaces: no ink
    EXPECT_FALSE(pdf.contains(" rg\n"));
    const QByteArray eps = RenderEps(d);
    for (const auto& [name, bytes] : {std::pair{"k.pdf", pdf}, std::pair{"k.eps", eps}}) {
        SCOPED_TRACE(name);
        const TCoverage ink = Coverage(Save(name, bytes));
        EXPECT_EQ(ink.Plates[0], 0);
        EXPECT_EQ(ink.Plates[1], 0);
        EXPECT_EQ(ink.Plates[2], 0);
        EXPECT_GT(ink.Plates[3], 0.05); // the bars and the text
    }
}

TEST_F(PrintInks, EachInkOnItsOwnPlates) {
    // Cyan bars on yellow; the text's letters magenta on a box of no ink.
    TBarcodeDescription d = PrintSymbol(bcCode128B, "QM-1001");
    d.Barcode.TextLayout = tlOverBars;
    d.BarCmyk = TCmyk{100, 0, 0, 0};
    d.SpaceCmyk = TCmyk{0, 0, 40, 0};
    d.TextCmyk = TCmyk{0, 100, 0, 0};
    d.TextBoxCmyk = TCmyk{0, 0, 0, 0};
    const TCoverage pdf = Coverage(Save("inks.pdf", RenderPdf(d)));
    const TCoverage eps = Coverage(Save("inks.eps", RenderEps(d)));
    for (const TCoverage& ink : {pdf, eps}) {
        EXPECT_GT(ink.Plates[0], 0.1);
        EXPECT_GT(ink.Plates[1], 0);
        EXPECT_GT(ink.Plates[2], 0.1);
        EXPECT_EQ(ink.Plates[3], 0);
    }
}

TEST_F(PrintInks, SheetsKeepTheSymbolsInks) {
    const TOutputLayout layout = VectorLayout(InCmyk(PrintSymbol(bcCodeEAN13, "400638133393")));
    const std::string name = Path("sheet.pdf").toStdString();
    TSheetDocument sheet(name, "inks");
    sheet.BeginPage(100, 60);
    sheet.Symbol(layout, 10, 10);
    sheet.Finish();
    const TCoverage ink = Coverage(QString::fromStdString(name));
    EXPECT_EQ(ink.Plates[0] + ink.Plates[1] + ink.Plates[2], 0);
    EXPECT_GT(ink.Plates[3], 0);
}

TEST_F(PrintInks, EpsDrawsWhatThePdfDraws) {
    // Text over the bars on its box, turned; and the standard layout's digits.
    TBarcodeDescription turned = PrintSymbol(bcCode128B, "Quill 128");
    turned.Barcode.TextLayout = tlOverBars;
    turned.Barcode.Orientation = toBottomTop;
    turned.Barcode.TextColor = 0xC0C0C0;
    for (const TBarcodeDescription& d : {turned, PrintSymbol(bcCodeEAN13, "400638133393")}) {
        SCOPED_TRACE(BarTypeName(d.Barcode.BarType));
        const QImage pdf = GsRaster(Save("same.pdf", RenderPdf(d)), 300);
        const QImage eps = GsRaster(Save("same.eps", RenderEps(d)), 300);
        ASSERT_EQ(pdf.size(), eps.size());
        // Glyph and bar edges may fall a pixel either way between the two interpreters;
        // a pixel whose neighbourhood in the other picture lacks its shade is drawn wrong.
        const auto dark = [](const QImage& Image, int X, int Y) {
            return Image.constScanLine(Y)[X] < 128;
        };
        int wrong = 0;
        for (int y = 1; y + 1 < pdf.height(); ++y)
            for (int x = 1; x + 1 < pdf.width(); ++x) {
                bool matched = false;
                for (int dy = -1; dy <= 1 && !matched; ++dy)
                    for (int dx = -1; dx <= 1 && !matched; ++dx)
                        matched = dark(eps, x, y) == dark(pdf, x + dx, y + dy);
                wrong += matched ? 0 : 1;
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(PrintInks, EpsScansAtItsBoundingBoxSize) {
    struct TCase {
        const char* Name;
        TBarType Type;
        std::string Value;
        std::string Read; // what a reader gives back
    };
    const TCase cases[] = {
        {"code128", bcCode128B, "QM-1001", "QM-1001"},
        {"ean13", bcCodeEAN13, "400638133393", "4006381333931"},
        {"qr", bcCodeQR, "hello print", "hello print"},
    };
    constexpr int Dpi = 600;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TBarcodeDescription d = PrintSymbol(c.Type, c.Value);
        if (c.Type == bcCode128B)
            d.Barcode.Orientation = toTopBottom; // the text turned with the bars
        const QByteArray eps = RenderEps(d);
        ASSERT_TRUE(eps.startsWith("%!PS-Adobe-3.0 EPSF-3.0\n"));
        // The whole-point box holds the exact one, to which the raster is cropped.
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("%%BoundingBox: 0 0 (\\d+) (\\d+)\n"
                                              "%%HiResBoundingBox: 0 0 ([\\d.]+) ([\\d.]+)\n"))
                .match(QString::fromLatin1(eps));
        ASSERT_TRUE(box.hasMatch());
        const double width = box.captured(3).toDouble();
        const double height = box.captured(4).toDouble();
        EXPECT_EQ(box.captured(1).toInt(), std::ceil(width));
        EXPECT_EQ(box.captured(2).toInt(), std::ceil(height));
        // At the symbol's own size.
        const TOutputLayout layout = VectorLayout(d);
        EXPECT_NEAR(width, layout.Size.width() / layout.UnitsPerMM * 72 / 25.4, 1e-3);
        EXPECT_NEAR(height, layout.Size.height() / layout.UnitsPerMM * 72 / 25.4, 1e-3);
        const QImage picture = GsRaster(Save(c.Name, eps), Dpi);
        EXPECT_NEAR(picture.width(), width * Dpi / 72, 1);
        EXPECT_NEAR(picture.height(), height * Dpi / 72, 1);
        if (c.Type == bcCodeQR) {
            const std::optional<testing::TMatrixReading> read = testing::ReadMatrix(picture);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->Bytes, c.Read);
        } else {
            const std::optional<testing::ScanResult> read = ScanImage(
                c.Type == bcCode128B ? picture.transformed(QTransform().rotate(90)) : picture,
                false);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->Text, c.Read);
        }
    }
}

} // namespace
} // namespace quillmark
