// The libraries' strings as the Batch view shows them: the engine's messages and values in
// Latin-1, a table's fields in UTF-8.
#pragma once

#include <QString>

#include <string>

namespace quillmark::studio {

inline QString FromLatin1(const std::string& Text) {
    return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
}

inline QString FromUtf8(const std::string& Text) {
    return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

} // namespace quillmark::studio
