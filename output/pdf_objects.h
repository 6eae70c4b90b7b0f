// PDF 1.4 syntax from the bottom up: numbers, names and strings written so that any bytes
// give well-formed tokens, and a document of numbered objects closed by its cross-reference
// table and trailer. Knows nothing of pages or fonts.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <functional>
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

// Text as a text string, UTF-16 after its byte order mark: any language in the reader's
// document properties and extracted text.
std::string TextString(const QString& Text);

// Bytes compressed for /FlateDecode.
std::string Deflated(std::string_view Bytes);

// A stream's data and whether it is deflated already.
struct TStreamData {
    std::string Bytes;
    bool Deflated = false;
};

// Where a document's bytes go as it grows, in order, a chunk at a time.
using TSink = std::function<void(std::string_view)>;

// A document built object by object: numbers handed out first so that objects may refer
// forwards, each then written once, in any order; Finish adds the cross-reference table.
// Kept whole in memory, or handed to a sink in chunks as it grows so that a document of any
// length holds no more than a chunk and an offset an object.
class TDocument {
public:
    TDocument();
    explicit TDocument(TSink Sink);
    // A fresh object number.
    int Reserve();
    // Writes object Number with Body, a dictionary, array or any other direct object.
    void Add(int Number, std::string_view Body);
    // Writes object Number as a stream: Entries are its dictionary's entries besides
    // /Length and /Filter.
    void AddStream(int Number, std::string_view Entries, const TStreamData& Data);
    // The whole file, with Root as the catalogue and Info as the document information;
    // raises Exception if a reserved object was never written. A document with a sink hands
    // it the rest and gives nothing.
    QByteArray Finish(int Root, int Info);

private:
    void Begin(int Number);
    void End();
    void Hand();             // the bytes so far to the sink
    std::string out_;        // the bytes not yet handed to the sink, all of them without one
    std::size_t handed_ = 0; // how many bytes the sink has had
    TSink sink_;
    std::vector<std::size_t> offsets_; // by object number; 0: not yet written
};

} // namespace quillmark::pdf
