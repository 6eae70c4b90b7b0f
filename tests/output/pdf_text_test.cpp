// The PDF's text layer, read by poppler's pdftotext and from the fonts' character maps: every
// printable Latin-1 character a value holds comes back, whatever glyphs draw it.
#include "files_fixture.h"
#include <quillmark/files.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

namespace quillmark {
namespace {

// Printable Latin-1: 0x20 to 0x7E and 0xA0 to 0xFF.
std::string PrintableLatin1() {
    std::string text;
    for (int ch = 0x20; ch <= 0xFF; ++ch)
        if (ch <= 0x7E || ch >= 0xA0)
            text += static_cast<char>(ch);
    return text;
}

QString Latin1(const std::string& Text) {
    return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
}

QString WithoutSpaces(QString Text) {
    return Text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// What the ToUnicode maps give their codes, each character once.
std::set<QChar> MappedCharacters(const QByteArray& Pdf) {
    static const QRegularExpression Entry(QStringLiteral("^<[0-9A-F]{2}> <([0-9A-F]+)>$"),
                                          QRegularExpression::MultilineOption);
    std::set<QChar> mapped;
    for (const QRegularExpressionMatch& m : Entry.globalMatch(QString::fromLatin1(Pdf))) {
        const QString hex = m.captured(1);
        for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
            mapped.insert(QChar(static_cast<char16_t>(hex.mid(i, 4).toUShort(nullptr, 16))));
    }
    return mapped;
}

class PdfText : public Files {
protected:
    QString Extract(const QByteArray& Pdf) {
        QFile file(Path("text.pdf"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Pdf);
        file.close();
        const QString pdftotext = QFileInfo(QStringLiteral(QUILLMARK_PDFINFO))
                                      .dir()
                                      .filePath(QStringLiteral("pdftotext"));
        QByteArray out;
        RunTool(pdftotext, {"-enc", "UTF-8", file.fileName(), "-"}, &out);
        return QString::fromUtf8(out);
    }
};

// Values whose text has characters drawn without a glyph (the soft hyphen) or by glyphs
// that shaping moves, in both text layouts and each orientation.
TEST_F(PdfText, EveryPrintableLatin1CharacterComesBack) {
    const std::string all = PrintableLatin1();
    const struct {
        std::string Value;
        TTextLayout Layout;
        TOrientation Orientation;
    } cases[] = {
        {"AB\xAD"
         "CDEF",
         tlStandard, toLeftRight},
        {all, tlStandard, toLeftRight},
        {all, tlOverBars, toTopBottom},
        {"\xAD\xAD x \xAD", tlOverBars, toRightLeft},
        {"fi fl ffi AV To", tlStandard, toBottomTop},
    };
    for (const auto& c : cases) {
        TBarcodeDescription d;
        d.Barcode.BarType = bcCode128;
        d.Barcode.BarCode = c.Value;
        d.Barcode.TextLayout = c.Layout;
        d.Barcode.Orientation = c.Orientation;
        const QByteArray pdf = RenderPdf(d);
        EXPECT_EQ(WithoutSpaces(Extract(pdf)), WithoutSpaces(Latin1(c.Value)))
            << Latin1(c.Value).toStdString();
        // The character maps alone give every character a glyph draws: all but the soft
        // hyphen and the spaces.
        const std::set<QChar> mapped = MappedCharacters(pdf);
        for (const QChar ch : Latin1(c.Value)) {
            if (ch != QChar(0xAD) && !ch.isSpace()) {
                EXPECT_TRUE(mapped.count(ch)) << "U+" << std::hex << static_cast<int>(ch.unicode());
            }
        }
    }
}

// A book number's line above the bars comes first, as typed after its name; the EAN-13 digits
// follow, with or without an add-on.
TEST_F(PdfText, BookNumbersLineAboveReadsAsTyped) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Above;
        const char* Digits;
    } cases[] = {
        {bcCodeISBN, "978-0-306-40615-7", "ISBN 978-0-306-40615-7", "9780306406157"},
        // An ISBN-10 is printed as the ISBN-13 the bars carry.
        {bcCodeISBN, "0-306-40615-2", "ISBN 978-0-306-40615-7", "9780306406157"},
        {bcCodeISMN, "979-0-2600-0043-8", "ISMN 979-0-2600-0043-8", "9790260000438"},
        {bcCodeISSN, "0317-8471", "ISSN 0317-8471", "9770317847001"},
    };
    for (const auto& c : cases)
        for (const TOrientation orientation : {toLeftRight, toTopBottom}) {
            TBarcodeDescription d;
            d.Barcode.BarType = c.Type;
            d.Barcode.BarCode = c.Value;
            d.Barcode.Orientation = orientation;
            const QStringList lines =
                Extract(RenderPdf(d)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            ASSERT_GE(lines.size(), 2) << c.Value;
            EXPECT_EQ(lines.front().trimmed().toStdString(), c.Above) << c.Value;
            EXPECT_EQ(WithoutSpaces(lines.mid(1).join(QString())).toStdString(), c.Digits)
                << c.Value;
        }
}

} // namespace
} // namespace quillmark
