// The character sets of GS1 AI data (GS1's general standard, section 7.11) and the one of
// the check character pair (section 7.9.5).
#pragma once

#include <string_view>

namespace quillmark {

// CSET 82 in the order of its values, which the check character pair weighs.
inline constexpr std::string_view GS1CharacterSet82 =
    "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
inline constexpr std::string_view GS1CharacterSet39 = "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// The URI- and file-safe base64 alphabet; '=' pads only at the end.
inline constexpr std::string_view GS1CharacterSet64 =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
// The check characters, in the order of their values: no 0, 1, I or O, which are misread
// for one another.
inline constexpr std::string_view GS1CharacterSet32 = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";

static_assert(GS1CharacterSet82.size() == 82 && GS1CharacterSet39.size() == 39 &&
              GS1CharacterSet64.size() == 64 && GS1CharacterSet32.size() == 32);

} // namespace quillmark
