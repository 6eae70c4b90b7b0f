#include "text_bytes.h"

#include <cstdio>
#include <optional>

namespace quillmark::cli {

namespace {

// The code point of the UTF-8 sequence at Text[At], advancing At past it; none for a
// malformed, overlong or surrogate sequence.
std::optional<char32_t> NextCodePoint(std::string_view Text, std::size_t& At) {
    const auto lead = static_cast<unsigned char>(Text[At]);
    int length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        ++At;
        return lead;
    }
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
    for (int i = 1; i < length; ++i) {
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

void AppendEscaped(std::string& Out, unsigned char Byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", Byte);
    Out += text;
}

void AppendUtf8(std::string& Out, char32_t Code) {
    if (Code < 0x80) {
        Out += static_cast<char>(Code);
    } else {
        Out += static_cast<char>(0xC0 | (Code >> 6));
        Out += static_cast<char>(0x80 | (Code & 0x3F));
    }
}

bool IsControl(char32_t Code) {
    return Code < 0x20 || (Code >= 0x7F && Code < 0xA0);
}

} // namespace

std::string ValueFromInput(std::string_view Bytes) {
    std::string latin1;
    latin1.reserve(Bytes.size());
    for (std::size_t at = 0; at < Bytes.size();) {
        const std::optional<char32_t> code = NextCodePoint(Bytes, at);
        if (!code || *code > 0xFF)
            return std::string(Bytes);
        latin1 += static_cast<char>(*code);
    }
    return latin1;
}

std::string Latin1ForTerminal(std::string_view Latin1) {
    std::string out;
    out.reserve(Latin1.size());
    for (const char ch : Latin1) {
        const auto code = static_cast<unsigned char>(ch);
        if (IsControl(code))
            AppendEscaped(out, code);
        else
            AppendUtf8(out, code);
    }
    return out;
}

std::string Utf8ForTerminal(std::string_view Utf8) {
    std::string out;
    out.reserve(Utf8.size());
    for (std::size_t at = 0; at < Utf8.size();) {
        const std::size_t start = at;
        const std::optional<char32_t> code = NextCodePoint(Utf8, at);
        if (!code) {
            AppendEscaped(out, static_cast<unsigned char>(Utf8[at++]));
        } else if (IsControl(*code)) {
            AppendEscaped(out, static_cast<unsigned char>(*code));
        } else {
            out.append(Utf8.substr(start, at - start));
        }
    }
    return out;
}

std::string WithValueShortened(std::string Message, const std::string& Value) {
    constexpr std::size_t Longest = 60;
    constexpr std::size_t Kept = 40;
    if (Value.size() <= Longest)
        return Message;
    const std::size_t at = Message.find(Value);
    if (at == std::string::npos)
        return Message;
    Message.replace(at, Value.size(),
                    Value.substr(0, Kept) + "... (" + std::to_string(Value.size()) + " bytes)");
    return Message;
}

} // namespace quillmark::cli
