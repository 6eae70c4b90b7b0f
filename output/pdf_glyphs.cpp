#include "pdf_glyphs.h"

#include "path_operators.h"

#include <QByteArray>
#include <QPainterPath>

#include <cmath>
#include <cstdint>

namespace quillmark::pdf {

namespace {

std::uint16_t Read16(const QByteArray& Table, qsizetype At) {
    if (At < 0 || At + 2 > Table.size())
        return 0;
    return static_cast<std::uint16_t>((static_cast<unsigned char>(Table[At]) << 8) |
                                      static_cast<unsigned char>(Table[At + 1]));
}

// Entry Id of an sfnt name table (6: the PostScript name, 1 and 2: family and style), from
// Windows Unicode (UTF-16BE) or Macintosh Roman records, printable ASCII only.
std::string NameRecord(const QByteArray& Table, std::uint16_t Id) {
    const std::uint16_t count = Read16(Table, 2);
    const std::uint16_t strings = Read16(Table, 4);
    for (std::uint16_t i = 0; i < count; ++i) {
        const qsizetype record = 6 + 12 * static_cast<qsizetype>(i);
        const std::uint16_t platform = Read16(Table, record);
        const std::uint16_t id = Read16(Table, record + 6);
        const std::uint16_t length = Read16(Table, record + 8);
        const qsizetype at = strings + static_cast<qsizetype>(Read16(Table, record + 10));
        if (id != Id || (platform != 1 && platform != 3) || at + length > Table.size())
            continue;
        const int step = platform == 3 ? 2 : 1;
        std::string name;
        for (qsizetype k = at + step - 1; k < at + length; k += step) {
            const char ch = Table[k];
            if (ch > 0x20 && ch < 0x7F)
                name += ch;
        }
        if (!name.empty())
            return name;
    }
    return {};
}

// Family and style from the name table: QRawFont::familyName fails on a font that has
// no family at all, which a font past every size Qt renders is.
std::string FallbackName(const QByteArray& Table) {
    const std::string name = NameRecord(Table, 1) + NameRecord(Table, 2);
    return name.empty() ? std::string("Font") : name;
}

// Outline points to a tenth of a glyph unit, a ten-thousandth of an em: finer than the
// fonts' own grids, which are 1/1000 or 1/2048 em.
constexpr int OutlineDecimals = 1;

std::string Procedure(const QPainterPath& Path, double Advance, const int (&Box)[4]) {
    // A glyph that draws nothing (a space) has no box, which d0 leaves out; a box of zeros
    // could lie outside the font's and so trouble readers' glyph caches.
    if (Path.isEmpty())
        return Number(Advance, 2) + " 0 d0\n";
    std::string out = Number(Advance, 2) + " 0 " + std::to_string(Box[0]) + ' ' +
                      std::to_string(Box[1]) + ' ' + std::to_string(Box[2]) + ' ' +
                      std::to_string(Box[3]) + " d1\n";
    // Qt's y-down glyph in the y-up glyph space.
    out += PathOperators(Path, OutlineDecimals, true);
    // Font outlines fill by the nonzero winding rule.
    return out + "f\n";
}

} // namespace

TFace::TFace(const QRawFont& Font) {
    const QByteArray names = Font.fontTable("name");
    name_ = NameRecord(names, 6);
    if (name_.empty())
        name_ = FallbackName(names);
}

const TGlyph& TFace::Glyph(const QRawFont& Font, quint32 Index) {
    if (const auto found = glyphs_.find(Index); found != glyphs_.end())
        return found->second;
    QRawFont sized = Font;
    sized.setPixelSize(GlyphUnits);
    TGlyph glyph;
    const QList<QPointF> advances =
        sized.advancesForGlyphIndexes(QList<quint32>{Index}, QRawFont::UseDesignMetrics);
    glyph.Advance = advances.isEmpty() ? 0 : advances.front().x();
    const QPainterPath path = sized.pathForGlyph(Index);
    if (!path.isEmpty()) {
        const QRectF box = path.controlPointRect();
        glyph.Box[0] = static_cast<int>(std::floor(box.left()));
        glyph.Box[1] = static_cast<int>(std::floor(-box.bottom()));
        glyph.Box[2] = static_cast<int>(std::ceil(box.right()));
        glyph.Box[3] = static_cast<int>(std::ceil(-box.top()));
    }
    std::string procedure = Procedure(path, glyph.Advance, glyph.Box);
    // Outlines deflate to about half; compressed once here, they cost the files nothing.
    std::string deflated = Deflated(procedure);
    glyph.Procedure = deflated.size() < procedure.size() ? TStreamData{std::move(deflated), true}
                                                         : TStreamData{std::move(procedure), false};
    return glyphs_.emplace(Index, std::move(glyph)).first->second;
}

TFace& FaceOf(const QRawFont& Font) {
    // Faces by name and head table, which holds the file's checksum and dates, so that two
    // files of one family never share glyphs.
    thread_local std::unordered_map<std::string, TFace> faces;
    const QByteArray names = Font.fontTable("name");
    const QByteArray head = Font.fontTable("head");
    const std::string key = Font.styleName().toStdString() + '\0' +
                            std::string(names.constData(), static_cast<std::size_t>(names.size())) +
                            '\0' +
                            std::string(head.constData(), static_cast<std::size_t>(head.size()));
    if (const auto found = faces.find(key); found != faces.end())
        return found->second;
    return faces.emplace(key, TFace(Font)).first->second;
}

} // namespace quillmark::pdf
