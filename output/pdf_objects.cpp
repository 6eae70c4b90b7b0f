#include "pdf_objects.h"

#include "zlib_stream.h"
#include <quillmark/engine.h>
#include <quillmark/error_messages.h>

#include <zlib.h>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quillmark::pdf {

namespace {

constexpr char Hex[] = "0123456789ABCDEF";

// The characters a name may hold as they are: printable ASCII but the delimiters and '#'.
bool IsRegular(unsigned char Ch) {
    if (Ch < 0x21 || Ch > 0x7E)
        return false;
    for (const char delimiter : std::string_view("()<>[]{}/%#"))
        if (Ch == static_cast<unsigned char>(delimiter))
            return false;
    return true;
}

} // namespace

std::string Number(double Value, int Decimals) {
    if (!std::isfinite(Value))
        throw Exception(InternalErrorMessage);
    char text[400];
    const auto result =
        std::to_chars(text, text + sizeof text, Value, std::chars_format::fixed, Decimals);
    std::string out(text, result.ptr);
    if (out.find('.') != std::string::npos) {
        out.erase(out.find_last_not_of('0') + 1);
        if (out.back() == '.')
            out.pop_back();
    }
    if (out == "-0")
        out = "0";
    return out;
}

std::string Name(std::string_view Bytes) {
    std::string out = "/";
    for (const char ch : Bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (IsRegular(byte)) {
            out += ch;
        } else {
            out += '#';
            out += Hex[byte >> 4];
            out += Hex[byte & 0xF];
        }
    }
    return out;
}

std::string LiteralString(std::string_view Bytes) {
    std::string out = "(";
    for (const char ch : Bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '(' || ch == ')' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += ch;
        } else {
            // Always three digits, so that a digit after it can't join the escape.
            out += '\\';
            out += static_cast<char>('0' + (byte >> 6));
            out += static_cast<char>('0' + ((byte >> 3) & 7));
            out += static_cast<char>('0' + (byte & 7));
        }
    }
    return out + ")";
}

std::string HexString(std::string_view Bytes) {
    std::string out = "<";
    for (const char ch : Bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        out += Hex[byte >> 4];
        out += Hex[byte & 0xF];
    }
    return out + ">";
}

std::string TextString(const QString& Text) {
    std::string bytes = "\xFE\xFF";
    for (const QChar ch : Text) {
        bytes += static_cast<char>(ch.unicode() >> 8);
        bytes += static_cast<char>(ch.unicode() & 0xFF);
    }
    return HexString(bytes);
}

std::string Deflated(std::string_view Bytes) {
    const QByteArray stream = ZlibStream(Bytes.data(), Bytes.size(), Z_DEFAULT_COMPRESSION);
    return std::string(stream.constData(), static_cast<std::size_t>(stream.size()));
}

TDocument::TDocument() : offsets_(1, 0) {
    // The comment of four bytes above 127 tells transfer programs the file is binary.
    out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
}

TDocument::TDocument(TSink Sink) : TDocument() {
    sink_ = std::move(Sink);
}

int TDocument::Reserve() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size() - 1);
}

void TDocument::Begin(int Number) {
    if (Number <= 0 || static_cast<std::size_t>(Number) >= offsets_.size() ||
        offsets_[static_cast<std::size_t>(Number)] != 0)
        throw Exception(InternalErrorMessage);
    offsets_[static_cast<std::size_t>(Number)] = handed_ + out_.size();
    out_ += std::to_string(Number) + " 0 obj\n";
}

void TDocument::End() {
    out_ += "\nendobj\n";
    // Chunks of about this many bytes: few system calls, little memory.
    constexpr std::size_t Chunk = 1 << 16;
    if (sink_ && out_.size() >= Chunk)
        Hand();
}

void TDocument::Hand() {
    sink_(out_);
    handed_ += out_.size();
    out_.clear();
}

void TDocument::Add(int Number, std::string_view Body) {
    Begin(Number);
    out_ += Body;
    End();
}

void TDocument::AddStream(int Number, std::string_view Entries, const TStreamData& Data) {
    Begin(Number);
    out_ += "<< /Length " + std::to_string(Data.Bytes.size());
    if (Data.Deflated)
        out_ += " /Filter /FlateDecode";
    if (!Entries.empty()) {
        out_ += ' ';
        out_ += Entries;
    }
    out_ += " >>\nstream\n";
    out_ += Data.Bytes;
    out_ += "\nendstream";
    End();
}

QByteArray TDocument::Finish(int Root, int Info) {
    const std::size_t xref = handed_ + out_.size();
    out_ += "xref\n0 " + std::to_string(offsets_.size()) + "\n0000000000 65535 f \n";
    for (std::size_t i = 1; i < offsets_.size(); ++i) {
        if (offsets_[i] == 0)
            throw Exception(InternalErrorMessage);
        // Each entry exactly 20 bytes: ten digits, a space, five digits, " n" and "\r\n" or
        // " \n".
        char entry[21];
        std::string offset = std::to_string(offsets_[i]);
        if (offset.size() > 10)
            throw Exception(InternalErrorMessage);
        offset.insert(0, 10 - offset.size(), '0');
        std::copy(offset.begin(), offset.end(), entry);
        std::copy_n(" 00000 n \n", 10, entry + 10);
        out_.append(entry, 20);
    }
    out_ += "trailer\n<< /Size " + std::to_string(offsets_.size()) + " /Root " +
            std::to_string(Root) + " 0 R /Info " + std::to_string(Info) + " 0 R >>\nstartxref\n" +
            std::to_string(xref) + "\n%%EOF\n";
    if (sink_) {
        Hand();
        return {};
    }
    return QByteArray(out_.data(), static_cast<qsizetype>(out_.size()));
}

} // namespace quillmark::pdf
