// Test support: the module pattern (and display text) MakeModules gives at Modul 1, Ratio 2.
#pragma once

#include <quillmark/engine.h>

#include <string>

namespace quillmark::testing {

inline std::string Encode(TBarType Type, const std::string& Value, TCheckSum CheckSum = csNone,
                          std::string* Text = nullptr) {
    double ratio = 2.0;
    std::string text = Value;
    std::string pattern;
    MakeModules(Type, Value, 1, ratio, CheckSum, text, pattern);
    if (Text)
        *Text = text;
    return pattern;
}

} // namespace quillmark::testing
