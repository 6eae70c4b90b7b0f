#include "pdf_type3_font.h"

#include <algorithm>

namespace quillmark::pdf {

namespace {

constexpr std::size_t CodesPerFont = 256;
static_assert(GlyphUnits == 1000, "the font matrix below scales thousandths of an em");
// A CMap's bfchar block holds at most 100 entries.
constexpr std::size_t EntriesPerBlock = 100;

std::string GlyphName(quint32 Index) {
    return "g" + std::to_string(Index);
}

std::string Utf16Hex(const QString& Text) {
    std::string bytes;
    for (const QChar ch : Text) {
        bytes += static_cast<char>(ch.unicode() >> 8);
        bytes += static_cast<char>(ch.unicode() & 0xFF);
    }
    return HexString(bytes);
}

// What each code stands for, so that the text can be extracted and searched.
std::string ToUnicode(const std::vector<QString>& Texts) {
    std::vector<std::string> entries;
    for (std::size_t code = 0; code < Texts.size(); ++code)
        if (!Texts[code].isEmpty())
            entries.push_back(HexString(std::string(1, static_cast<char>(code))) + ' ' +
                              Utf16Hex(Texts[code]) + '\n');
    std::string cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                       "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> "
                       "def\n/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                       "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
    for (std::size_t first = 0; first < entries.size(); first += EntriesPerBlock) {
        const std::size_t end = std::min(entries.size(), first + EntriesPerBlock);
        cmap += std::to_string(end - first) + " beginbfchar\n";
        for (std::size_t i = first; i < end; ++i)
            cmap += entries[i];
        cmap += "endbfchar\n";
    }
    return cmap + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

} // namespace

TFace& TType3Fonts::Face(const QRawFont& Font) {
    for (const auto& [font, face] : faces_)
        if (font == Font)
            return *face;
    TFace& face = FaceOf(Font);
    faces_.emplace_back(Font, &face);
    return face;
}

TType3Fonts::TCode TType3Fonts::Use(const QRawFont& Font, quint32 Index, const QString& Text) {
    TFace& face = Face(Font);
    const auto key = std::pair<const TFace*, quint32>(&face, Index);
    auto found = codes_.find(key);
    if (found == codes_.end()) {
        // The face's last font while it has room, else a new one.
        auto slot = std::find_if(fonts_.rbegin(), fonts_.rend(),
                                 [&](const TFontSlot& S) { return S.Face == &face; });
        if (slot == fonts_.rend() || slot->Glyphs.size() == CodesPerFont) {
            fonts_.push_back(TFontSlot{&face, {}, {}, {}});
            slot = fonts_.rbegin();
        }
        slot->Glyphs.push_back(&face.Glyph(Font, Index));
        slot->Indexes.push_back(Index);
        slot->Texts.emplace_back();
        const int font = static_cast<int>(fonts_.rend() - slot) - 1;
        found =
            codes_
                .emplace(key, std::pair(font, static_cast<unsigned char>(slot->Glyphs.size() - 1)))
                .first;
    }
    const auto [font, code] = found->second;
    TFontSlot& slot = fonts_[static_cast<std::size_t>(font)];
    if (slot.Texts[code].isEmpty())
        slot.Texts[code] = Text;
    return {font + 1, code, slot.Glyphs[code]->Advance};
}

void TType3Fonts::WriteFont(TDocument& Document, const TFontSlot& Slot, int Object) const {
    const int toUnicode = Document.Reserve();
    std::string procedures;
    std::string differences;
    std::string widths;
    int box[4] = {0, 0, 0, 0};
    bool anyBox = false;
    for (std::size_t code = 0; code < Slot.Glyphs.size(); ++code) {
        const TGlyph& glyph = *Slot.Glyphs[code];
        const int procedure = Document.Reserve();
        Document.AddStream(procedure, {}, glyph.Procedure);
        const std::string name = GlyphName(Slot.Indexes[code]);
        procedures += Name(name) + ' ' + std::to_string(procedure) + " 0 R ";
        differences += Name(name) + ' ';
        widths += Number(glyph.Advance, 2) + ' ';
        if (glyph.Box[0] == glyph.Box[2] && glyph.Box[1] == glyph.Box[3])
            continue;
        for (int i = 0; i < 4; ++i)
            box[i] = !anyBox ? glyph.Box[i]
                     : i < 2 ? std::min(box[i], glyph.Box[i])
                             : std::max(box[i], glyph.Box[i]);
        anyBox = true;
    }
    Document.AddStream(toUnicode, {}, {ToUnicode(Slot.Texts), false});
    Document.Add(Object,
                 "<< /Type /Font /Subtype /Type3 /BaseFont " + Name(Slot.Face->PostScriptName()) +
                     " /FontBBox [" + std::to_string(box[0]) + ' ' + std::to_string(box[1]) + ' ' +
                     std::to_string(box[2]) + ' ' + std::to_string(box[3]) +
                     "] /FontMatrix [0.001 0 0 0.001 0 0] /CharProcs << " + procedures +
                     ">> /Encoding << /Type /Encoding /Differences [0 " + differences +
                     "] >> /FirstChar 0 /LastChar " + std::to_string(Slot.Glyphs.size() - 1) +
                     " /Widths [" + widths + "] /ToUnicode " + std::to_string(toUnicode) +
                     " 0 R /Resources << >> >>");
}

std::string TType3Fonts::Write(TDocument& Document) const {
    std::string entries;
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        const int number = Document.Reserve();
        WriteFont(Document, fonts_[i], number);
        entries += "/F" + std::to_string(i + 1) + ' ' + std::to_string(number) + " 0 R ";
    }
    return entries;
}

} // namespace quillmark::pdf
