#pragma once

#include <string_view>

namespace quillmark {

// A length as the template files write it ("63.5mm", "2.625in", "0.5 cm", "12pc"; a bare
// number is points), in millimetres. An empty number reads as 0, as two entries of the
// carried files have it; an unknown unit or stray text is refused.
double LengthInMM(std::string_view text);

} // namespace quillmark
