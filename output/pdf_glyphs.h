// A font face's glyphs as Type 3 glyph procedures: outlines in thousandths of an em, made
// once per thread and face, so that a batch of files pays each glyph once.
#pragma once

#include "pdf_objects.h"

#include <QRawFont>

#include <string>
#include <unordered_map>

namespace quillmark::pdf {

// Glyph space: this many units to the em, as the Type 3 font's matrix scales it.
inline constexpr int GlyphUnits = 1000;

struct TGlyph {
    TStreamData Procedure;     // the advance and box (d1), then the outline filled
    double Advance = 0;        // in glyph units
    int Box[4] = {0, 0, 0, 0}; // left, bottom, right, top in glyph units
};

class TFace {
public:
    explicit TFace(const QRawFont& Font);
    // The face's PostScript name (its name table's entry 6), else its family and style.
    const std::string& PostScriptName() const { return name_; }
    // Glyph Index of this face; Font is a raw font of the face at any size.
    const TGlyph& Glyph(const QRawFont& Font, quint32 Index);

private:
    std::string name_;
    std::unordered_map<quint32, TGlyph> glyphs_;
};

// The face Font is drawn in, from this thread's faces. The face outlives the thread's
// files; the reference stays valid on this thread.
TFace& FaceOf(const QRawFont& Font);

} // namespace quillmark::pdf
