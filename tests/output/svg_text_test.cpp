// The SVG's text as another machine's renderer draws it: in the family the layout measured,
// with fallbacks, and anchored so that a font of other widths keeps each digit group centred
// between its guards. Rasterised with rsvg-convert.
#include "files_fixture.h"
#include <quillmark/files.h>
#include <quillmark/layout.h>

#include <QFile>
#include <QFontDatabase>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace quillmark {
namespace {

std::vector<QString> FamilyLists(const QByteArray& Svg) {
    static const QRegularExpression Family(QStringLiteral("font-family=\"([^\"]*)\""));
    std::vector<QString> lists;
    for (const QRegularExpressionMatch& m : Family.globalMatch(QString::fromUtf8(Svg)))
        lists.push_back(m.captured(1));
    return lists;
}

class SvgText : public Files {
protected:
    QImage Rasterise(const QByteArray& Svg, const char* Name, int Dpi) {
        QFile file(Path(Name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Svg);
        file.close();
        const QString png = file.fileName() + QStringLiteral(".png");
        RunTool(QStringLiteral(QUILLMARK_RSVG_CONVERT),
                {"-d", QString::number(Dpi), "-p", QString::number(Dpi), "-b", "white", "-o", png,
                 file.fileName()});
        return QImage(png);
    }
};

// A missing family names the one drawn instead; each list ends in a generic family.
TEST_F(SvgText, NamesTheFamilyDrawn) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Family;     // asked for
        const char* Begins;     // the list's start; nullptr: an installed family
        const char* GenericEnd; // the list's end
    } cases[] = {
        {bcCode128B, "Quill", "NoSuchFont", nullptr, ", sans-serif"},
        {bcCode128B, "Quill", "DejaVu Sans Mono", "&apos;DejaVu Sans Mono&apos;", ", monospace"},
        {bcCodeEAN13, "4006381333931", "NoSuchFont", "&apos;OCR B&apos;, &apos;OCR-B&apos;",
         ", monospace"},
    };
    for (const auto& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = c.Value;
        d.Font.setFamily(QString::fromLatin1(c.Family));
        const QByteArray svg = RenderSvg(d);
        EXPECT_FALSE(svg.contains("NoSuchFont")) << c.Family;
        const std::vector<QString> lists = FamilyLists(svg);
        ASSERT_FALSE(lists.empty()) << c.Family;
        for (const QString& list : lists) {
            EXPECT_TRUE(list.endsWith(QLatin1String(c.GenericEnd))) << list.toStdString();
            if (c.Begins) {
                EXPECT_TRUE(list.startsWith(QLatin1String(c.Begins))) << list.toStdString();
                continue;
            }
            const QString first = list.section(QStringLiteral(", "), 0, 0).remove("&apos;");
            EXPECT_TRUE(QFontDatabase::families().contains(first)) << list.toStdString();
        }
    }
}

// Where the ink of each EAN/UPC digit group stands, as the middle of its dark columns
// within its cell below the longest bars (the guards reach down beside the digits); in
// pixels at Dpi.
std::vector<double> GroupCentres(const QImage& Image, const TOutputLayout& Layout, int Dpi) {
    const QImage grey = Image.convertToFormat(QImage::Format_Grayscale8);
    const double scale = Dpi / 25.4 / Layout.UnitsPerMM;
    int barsEnd = 0;
    for (const TBarFill& fill : Layout.Bars)
        if (fill.Bar)
            barsEnd =
                std::max(barsEnd, static_cast<int>(std::ceil((fill.Rect.bottom() + 1) * scale)));
    std::vector<double> centres;
    for (const TPlacedText& text : Layout.Placed) {
        const double left = text.Cell.Rotation.dx() * scale;
        const double top = text.Cell.Rotation.dy() * scale;
        // Two modules' room on each side for a font of other widths.
        const double slack = Layout.Modul * scale * 2;
        int first = INT_MAX;
        int last = -1;
        for (int y = std::max(barsEnd + 1, static_cast<int>(top));
             y < std::min(grey.height(), static_cast<int>(top + text.Cell.Height * scale)); ++y)
            for (int x = std::max(0, static_cast<int>(left - slack));
                 x <
                 std::min(grey.width(), static_cast<int>(left + text.Cell.Width * scale + slack));
                 ++x)
                if (grey.constScanLine(y)[x] < 128) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        centres.push_back(last < 0 ? -1 : (first + last + 1) / 2.0);
    }
    return centres;
}

// On a machine without OCR-B the digits come in a fallback font of other widths; each group
// still stands centred where the layout put it, as it does in OCR-B.
TEST_F(SvgText, DigitGroupsStayCentredInAnotherFont) {
    constexpr int Dpi = 600;
    // Digits of symmetric ink (0 and 8), so that the ink's middle is the advance's in
    // either font.
    const struct {
        TBarType Type;
        const char* Value;
    } cases[] = {
        {bcCodeEAN13, "8000000000880"},
        {bcCodeUPC_A, "000000080880"},
        {bcCodeUPC_E0, "00080880"},
        {bcCodeEAN8, "80008088"},
    };
    for (const auto& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarType = c.Type;
        d.Barcode.BarCode = c.Value;
        const TOutputLayout layout = VectorLayout(d);
        ASSERT_FALSE(layout.Placed.empty()) << c.Value;
        QByteArray svg = RenderSvg(layout);
        const std::vector<double> expected =
            GroupCentres(Rasterise(svg, "ocrb.svg", Dpi), layout, Dpi);
        // DejaVu Sans Mono's digits are a fifth wider than OCR-B's.
        QString other = QString::fromUtf8(svg);
        other.replace(QRegularExpression(QStringLiteral("font-family=\"[^\"]*\"")),
                      QStringLiteral("font-family=\"DejaVu Sans Mono\""));
        svg = other.toUtf8();
        const std::vector<double> centres =
            GroupCentres(Rasterise(svg, "other.svg", Dpi), layout, Dpi);
        ASSERT_EQ(centres.size(), expected.size());
        const double module = layout.Modul * Dpi / 25.4 / layout.UnitsPerMM;
        for (std::size_t i = 0; i < centres.size(); ++i) {
            ASSERT_GE(expected[i], 0) << c.Value << " group " << i;
            EXPECT_NEAR(centres[i], expected[i], module / 2) << c.Value << " group " << i;
        }
    }
}

} // namespace
} // namespace quillmark
