// An ink as a person writes it and as the command line takes it: "#RRGGBB", or
// "cmyk(C,M,Y,K)" with each of C, M, Y and K in percent from 0 to 100.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/inks.h>

#include <string>
#include <string_view>

namespace quillmark {

// Text as an ink; a CMYK one has the RGB colour RgbOf gives it. Raises Exception saying what
// is wrong and what to write instead, as a clause ("not a colour; write ...").
QUILLMARK_LAYOUT_EXPORT TInk ReadInk(std::string_view Text);

// The text ReadInk reads back as Ink: its CMYK where it has one, else "#RRGGBB".
QUILLMARK_LAYOUT_EXPORT std::string InkText(const TInk& Ink);
QUILLMARK_LAYOUT_EXPORT std::string RgbText(TColor Rgb);
QUILLMARK_LAYOUT_EXPORT std::string CmykText(const TCmyk& Cmyk);

} // namespace quillmark
