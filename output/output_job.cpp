#include "output_job.h"

#include "standards_check.h"

namespace quillmark {

TPreparedSymbol::TPreparedSymbol(const TBarcodeDescription& Base, const std::string& Value,
                                 TCheckDigits Mode)
    : description_(DescribeValue(Base, Value, Mode)) {}

const TOutputLayout& TPreparedSymbol::Raster() {
    if (!raster_)
        raster_ = RasterLayout(description_);
    return *raster_;
}

const TOutputLayout& TPreparedSymbol::Vector() {
    if (!vector_)
        vector_ = VectorLayout(description_);
    return *vector_;
}

const TOutputLayout& TPreparedSymbol::LayoutFor(TFileFormat Format) {
    return Format == TFileFormat::Png ? Raster() : Vector();
}

std::vector<std::string> TPreparedSymbol::Findings(TFileFormat Format) {
    return CheckStandard(description_, LayoutFor(Format));
}

QByteArray TPreparedSymbol::Render(TFileFormat Format) {
    return RenderFile(LayoutFor(Format), Format);
}

TSink FileSink(const std::string& FileName, TDurability Durability) {
    return [FileName, Durability](const QByteArray& Bytes) {
        WriteFileAtomically(FileName, Bytes, Durability);
    };
}

TSink FileSink(const QString& FileName, TDurability Durability) {
    return [FileName, Durability](const QByteArray& Bytes) {
        WriteFileAtomically(FileName, Bytes, Durability);
    };
}

TOutputResult RunOutputJob(const TOutputJob& Job, const std::string& Value, const TSink& Write) {
    TOutputResult result;
    TPreparedSymbol symbol(Job.Description, Value, Job.CheckDigits);
    result.Findings = symbol.Findings(Job.Format);
    if (Job.Gate && !Job.Gate(result.Findings))
        return result;
    const QByteArray bytes = symbol.Render(Job.Format);
    if (Job.Verifier) {
        // A PNG is read back from its own bytes; vector files from a raster of the same
        // description, at its resolution.
        const QImage picture = Job.Format == TFileFormat::Png ? QImage::fromData(bytes, "PNG")
                                                              : RenderImage(symbol.Raster());
        if (std::optional<std::string> note = Job.Verifier(picture, symbol.Description()))
            result.Notes.push_back(std::move(*note));
    }
    Write(bytes);
    result.Written = true;
    return result;
}

} // namespace quillmark
