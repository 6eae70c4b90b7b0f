#include "latin1.h"

#include <cstdio>

namespace quillmark {

std::optional<char32_t> NextCodePoint(std::string_view Text, std::size_t& At) {
    const auto lead = static_cast<unsigned char>(Text[At]);
    if (lead < 0x80) {
        ++At;
        return lead;
    }
    std::size_t length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (At + length > Text.size())
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(Text[At + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    At += length;
    return code;
}

std::optional<std::string> Latin1FromUtf8(std::string_view Utf8) {
    std::string latin1;
    latin1.reserve(Utf8.size());
    for (std::size_t at = 0; at < Utf8.size();) {
        const std::optional<char32_t> code = NextCodePoint(Utf8, at);
        if (!code || *code > 0xFF)
            return std::nullopt;
        latin1 += static_cast<char>(*code);
    }
    return latin1;
}

std::string Latin1FromUtf8(std::string_view Utf8, char Replacement) {
    std::string latin1;
    latin1.reserve(Utf8.size());
    for (std::size_t at = 0; at < Utf8.size();) {
        const std::optional<char32_t> code = NextCodePoint(Utf8, at);
        if (!code)
            ++at; // a malformed byte
        latin1 += code && *code <= 0xFF ? static_cast<char>(*code) : Replacement;
    }
    return latin1;
}

std::string ValueFromText(std::string_view Bytes) {
    std::string latin1;
    latin1.reserve(Bytes.size());
    std::size_t beyond = std::string_view::npos; // the first character past Latin-1
    std::size_t position = 0;
    std::size_t beyondPosition = 0;
    char32_t beyondCode = 0;
    for (std::size_t at = 0; at < Bytes.size();) {
        const std::size_t start = at;
        const std::optional<char32_t> code = NextCodePoint(Bytes, at);
        if (!code)
            return std::string(Bytes); // not UTF-8: bytes, as the engine reads them
        ++position;
        if (*code > 0xFF && beyond == std::string_view::npos) {
            beyond = start;
            beyondPosition = position;
            beyondCode = *code;
        }
        latin1 += static_cast<char>(*code);
    }
    if (beyond == std::string_view::npos)
        return latin1;
    std::size_t end = beyond;
    NextCodePoint(Bytes, end);
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(beyondCode));
    throw ENotLatin1(std::string(Bytes) + " : position " + std::to_string(beyondPosition) + ": '" +
                     std::string(Bytes.substr(beyond, end - beyond)) + "' (" + hex +
                     ") is not in Latin-1, and no symbology here carries it; they carry "
                     "Latin-1 at most.");
}

std::string CharacterName(char Ch) {
    const auto code = static_cast<unsigned char>(Ch);
    if ((code >= 32 && code < 127) || code >= 160)
        return std::string("'") + Ch + "'";
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", code);
    const char* name = code == '\t'   ? "tab"
                       : code == '\n' ? "line feed"
                       : code == '\r' ? "carriage return"
                                      : "control character";
    return std::string(name) + " (" + hex + ")";
}

std::string Utf8FromLatin1(std::string_view Latin1) {
    std::string utf8;
    utf8.reserve(Latin1.size());
    for (const char ch : Latin1) {
        const auto code = static_cast<unsigned char>(ch);
        if (code < 0x80) {
            utf8 += ch;
        } else {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

} // namespace quillmark
