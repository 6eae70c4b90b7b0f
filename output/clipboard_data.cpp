#include "clipboard_data.h"

#include "files.h"

namespace quillmark {

std::unique_ptr<QMimeData> MakeMimeData(const TBarcodeDescription& Description) {
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/png"), RenderPng(Description));
    data->setData(QStringLiteral("image/svg+xml"), RenderSvg(Description));
    data->setImageData(RenderImage(Description));
    const std::string& value = Description.Barcode.BarCode;
    data->setText(QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size())));
    return data;
}

} // namespace quillmark
