// An ink's colour as PDF and PostScript operators take it: fractions from 0 to 1, red,
// green and blue for an RGB ink, cyan, magenta, yellow and black for a CMYK one.
#pragma once

#include <quillmark/inks.h>

#include <string>

namespace quillmark {

// "0 0 0 1" for 100% K, "1 0 0" for #FF0000.
std::string InkOperands(const TInk& Ink);

} // namespace quillmark
