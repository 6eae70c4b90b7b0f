#include "clipboard_data.h"

#include "files.h"

namespace quillmark {

std::unique_ptr<QMimeData> MakeMimeData(TPreparedSymbol& Symbol) {
    return MakeMimeData(Symbol, RenderFile(Symbol, TFileFormat::Png));
}

std::unique_ptr<QMimeData> MakeMimeData(TPreparedSymbol& Symbol, const QByteArray& Png) {
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/png"), Png);
    data->setData(QStringLiteral("image/svg+xml"), RenderFile(Symbol, TFileFormat::Svg));
    data->setImageData(RenderImage(Symbol.Raster()));
    const std::string& value = Symbol.Description().Barcode.BarCode;
    data->setText(QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
    return data;
}

std::unique_ptr<QMimeData> MakeMimeData(const TBarcodeDescription& Description) {
    TPreparedSymbol symbol(Description, Description.Barcode.BarCode,
                           CheckDigitsOf(Description.Barcode.CheckSum));
    return MakeMimeData(symbol);
}

} // namespace quillmark
