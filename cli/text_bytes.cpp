#include "text_bytes.h"

#include <quillmark/latin1.h>

#include <cstdio>
#include <optional>

namespace quillmark::cli {

namespace {

void AppendEscaped(std::string& Out, unsigned char Byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", Byte);
    Out += text;
}

bool IsControl(char32_t Code) {
    return Code < 0x20 || (Code >= 0x7F && Code < 0xA0);
}

} // namespace

std::string ValueFromInput(std::string_view Bytes) {
    return ValueFromText(Bytes);
}

std::string RefusalText(const ENotLatin1& Refusal, const std::string& Input) {
    return Utf8ForTerminal(WithValueShortened(Refusal.Message(), Input));
}

std::string Latin1ForTerminal(std::string_view Latin1) {
    return Utf8ForTerminal(Utf8FromLatin1(Latin1));
}

std::string Utf8ForTerminal(std::string_view Utf8) {
    std::string out;
    out.reserve(Utf8.size());
    for (std::size_t at = 0; at < Utf8.size();) {
        const std::size_t start = at;
        const std::optional<char32_t> code = NextCodePoint(Utf8, at);
        if (!code)
            AppendEscaped(out, static_cast<unsigned char>(Utf8[at++]));
        else if (IsControl(*code))
            AppendEscaped(out, static_cast<unsigned char>(*code));
        else
            out.append(Utf8.substr(start, at - start));
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
