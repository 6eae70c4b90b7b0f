// A path as the operators PDF content and the EPS prolog both name m, l and c: each
// subpath's start, its lines and its curves (two control points and the end).
#pragma once

#include <QPainterPath>

#include <string>

namespace quillmark {

// Path's points to Decimals places; FlipY turns Qt's y-down outlines into a y-up space.
std::string PathOperators(const QPainterPath& Path, int Decimals, bool FlipY);

} // namespace quillmark
