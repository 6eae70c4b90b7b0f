// PDF 1.4 syntax from the bottom up: numbers, names and strings written so that any bytes
// give well-formed tokens, and a document of numbered objects closed by its cross-reference
// table and trailer. Knows nothing of pages or fonts.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark::pdf {

// Fixed notation (PDF has no exponents) with at most Decimals decimals, trailing zeros and
// a bare point dropped, never "-0", a decimal point whatever the locale.
std::string Number(double Value, int Decimals = 4);

// A name token, leading slash included: bytes outside the regular printable characters as
// #xx, so that a font's name of any bytes stays one token.
std::string Name(std::string_view Bytes);

// A literal string, parentheses included: (, ) and \ escaped, every byte outside printable
// ASCII as an octal escape.
std::string LiteralString(std::string_view Bytes);

// A hexadecimal string, angle brackets included.
std::string HexString(std::string_view Bytes);

// Bytes compressed for /FlateDecode.
std::string Deflated(std::string_view Bytes);

// A stream's data and whether it is deflated already.
struct TStreamData {
    std::string Bytes;
    bool Deflated = false;
};

// A document built object by object: numbers handed out first so that objects may refer
// forwards, each then written once, in any order; Finish adds the cross-reference table.
class TDocument {
public:
    TDocument();
    // A fresh object number.
    int Reserve();
    // Writes object Number with Body, a dictionary, array or any other direct object.
    void Add(int Number, std::string_view Body);
    // Writes object Number as a stream: Entries are its dictionary's entries besides
    // /Length and /Filter.
    void AddStream(int Number, std::string_view Entries, const TStreamData& Data);
    // The whole file, with Root as the catalogue and Info as the document information;
    // raises Exception if a reserved object was never written.
    QByteArray Finish(int Root, int Info);

private:
    void Begin(int Number);
    std::string out_;
    std::vector<std::size_t> offsets_; // by object number; 0: not yet written
};

} // namespace quillmark::pdf
