// The Type 3 fonts of one file: of each face, the glyphs the file shows, coded one byte
// each in the order first shown, up to 256 a font. The codes depend on the file's text
// alone, never on what the thread drew before, so that a file's bytes do not either.
#pragma once

#include "pdf_glyphs.h"
#include "pdf_objects.h"

#include <QRawFont>
#include <QString>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quillmark::pdf {

class TType3Fonts {
public:
    struct TCode {
        int Font = 0; // the font's resource name is /F<Font>
        unsigned char Code = 0;
        double Advance = 0; // in glyph units
    };
    // The code of glyph Index of Font's face; Text is what it draws, kept for the first
    // code that has any.
    TCode Use(const QRawFont& Font, quint32 Index, const QString& Text);
    // Writes every font and its glyphs; gives the entries of the /Font resource dictionary.
    std::string Write(TDocument& Document) const;

private:
    struct TFontSlot {
        TFace* Face = nullptr;
        std::vector<const TGlyph*> Glyphs; // by code
        std::vector<quint32> Indexes;      // by code
        std::vector<QString> Texts;        // by code
    };
    void WriteFont(TDocument& Document, const TFontSlot& Slot, int Object) const;
    TFace& Face(const QRawFont& Font);
    std::vector<TFontSlot> fonts_;
    // The faces of the raw fonts seen, so that the thread's faces are looked up once a font.
    std::vector<std::pair<QRawFont, TFace*>> faces_;
    // A face's glyph to its font and code.
    std::map<std::pair<const TFace*, quint32>, std::pair<int, unsigned char>> codes_;
};

} // namespace quillmark::pdf
