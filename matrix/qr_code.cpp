// QR Code and Micro QR Code through libqrencode.
#include "matrix.h"
#include "matrix_messages.h"
#include "symbol_limits.h"

#include <quillmark/engine.h>

#include <qrencode.h>

#include <memory>
#include <string>

namespace quillmark {
namespace {

struct QRcodeDeleter {
    void operator()(QRcode* Code) const { QRcode_free(Code); }
};
using QRcodePtr = std::unique_ptr<QRcode, QRcodeDeleter>;

// One attempt at a version (0: libqrencode picks, which it does for QR Code only); empty
// where libqrencode refuses. Data without NUL may also go through
// libqrencode's mode splitting (numeric and alphanumeric runs), which can be shorter than
// bytes throughout; the smaller symbol wins.
QRcodePtr TryEncode(std::string_view Bytes, int Version, QRecLevel Level, bool Micro) {
    const auto* data = reinterpret_cast<const unsigned char*>(Bytes.data());
    const int size = static_cast<int>(Bytes.size());
    QRcodePtr best(Micro ? QRcode_encodeDataMQR(size, data, Version, Level)
                         : QRcode_encodeData(size, data, Version, Level));
    if (Bytes.find('\0') == std::string_view::npos && !Bytes.empty()) {
        const std::string text(Bytes);
        QRcodePtr split(Micro ? QRcode_encodeStringMQR(text.c_str(), Version, Level, QR_MODE_8, 1)
                              : QRcode_encodeString(text.c_str(), Version, Level, QR_MODE_8, 1));
        if (split && (!best || split->width < best->width))
            best = std::move(split);
    }
    return best;
}

TModuleGrid GridOf(const QRcode& Code, bool Micro) {
    TModuleGrid grid;
    grid.Columns = grid.Rows = Code.width;
    grid.QuietZone = Micro ? MicroQrQuietZone : QrQuietZone;
    grid.Dark.resize(static_cast<std::size_t>(Code.width) * Code.width);
    for (std::size_t i = 0; i < grid.Dark.size(); ++i)
        grid.Dark[i] = Code.data[i] & 1; // the lowest bit is the module; the rest, its role
    return grid;
}

} // namespace

TModuleGrid EncodeQR(std::string_view Bytes, const TQrOptions& Options) {
    const bool micro = Options.Micro;
    const int largest = micro ? LargestMicroVersion : LargestQrVersion;
    const int level = static_cast<int>(Options.Level);
    const auto qrLevel = static_cast<QRecLevel>(level);
    if (level < 0 || level >= QrLevelCount)
        throw Exception(QrLevelUnknown(level));
    if (Options.Version < 0 || Options.Version > largest)
        throw Exception(QrVersionMissing(micro, Options.Version, largest));

    if (Bytes.empty())
        throw Exception(NoDataMessage);
    if (Bytes.size() > LargestQrData)
        throw Exception(Options.Version == 0
                            ? QrTooMuchAutomatic(micro, level, Bytes.size())
                            : QrTooMuchFixed(micro, Options.Version, level, Bytes.size()));

    if (micro) {
        const int version = Options.Version == 0 ? LargestMicroVersion : Options.Version;
        if (level >= MicroLevelCounts[version - 1])
            throw Exception(QrLevelMissing(micro, version, level));
    }

    // libqrencode takes a version as the least it may use and grows the symbol for more data;
    // a fixed version refuses instead. Micro QR Code has no automatic version there: the
    // smallest that holds the data at this level is found by trying each.
    if (Options.Version != 0 || !micro) {
        QRcodePtr code = TryEncode(Bytes, Options.Version, qrLevel, micro);
        if (code && (Options.Version == 0 || code->version == Options.Version))
            return GridOf(*code, micro);
        if (Options.Version == 0)
            throw Exception(QrTooMuchAutomatic(micro, level, Bytes.size()));
        throw Exception(QrTooMuchFixed(micro, Options.Version, level, Bytes.size()));
    }
    for (int version = 1; version <= LargestMicroVersion; ++version) {
        if (level >= MicroLevelCounts[version - 1])
            continue;
        QRcodePtr code = TryEncode(Bytes, version, qrLevel, micro);
        if (code && code->version == version)
            return GridOf(*code, micro);
    }
    throw Exception(QrTooMuchAutomatic(micro, level, Bytes.size()));
}

} // namespace quillmark
