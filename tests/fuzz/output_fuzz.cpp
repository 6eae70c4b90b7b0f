// The output layer on arbitrary descriptions: any symbology, any value bytes, any font name,
// sizes within the accepted ranges. Whatever it writes must load back: a PNG through Qt's
// reader at the layout's size, an SVG as well-formed XML of the writer's own elements with
// no script or event attribute, a PDF whole with a page of the layout's size.
#include <quillmark/files.h>
#include <quillmark/layout.h>
#include <quillmark/standards_check.h>

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace quillmark;

void Require(bool Condition) {
    if (!Condition)
        std::abort();
}

// Takes bytes from the front of the input, zeros once it is used up.
class TBytes {
public:
    TBytes(const std::uint8_t* Data, std::size_t Size) : data_(Data), size_(Size) {}
    unsigned Next() { return at_ < size_ ? data_[at_++] : 0; }
    // Up to Longest bytes, ended by a zero byte.
    std::string Text(std::size_t Longest) {
        std::string text;
        while (at_ < size_ && text.size() < Longest && data_[at_] != 0)
            text += static_cast<char>(data_[at_++]);
        ++at_;
        return text;
    }
    // The rest of the input.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_) + std::min(at_, size_),
                         size_ - std::min(at_, size_));
        at_ = size_;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

TBarcodeDescription Describe(TBytes& In) {
    constexpr int Resolutions[] = {1, 72, 96, 150, 203, 300, 600, 1200, 2400, 10000};
    TBarcodeDescription d;
    d.Barcode.BarType = static_cast<TBarType>(In.Next() % BarTypeCount);
    d.Barcode.CheckSum = static_cast<TCheckSum>(In.Next() % 2);
    d.Barcode.Ratio = 1.5 + In.Next() / 64.0;
    d.Barcode.Orientation = static_cast<TOrientation>(In.Next() % OrientationCount);
    d.Barcode.TextShow = static_cast<TTextShow>(In.Next() % TextShowCount);
    d.Barcode.TextPosition = static_cast<TTextPosition>(In.Next() % TextPositionCount);
    d.Barcode.ColorBar = static_cast<TColor>(In.Next() * 0x010101);
    d.Dpi = Resolutions[In.Next() % std::size(Resolutions)];
    d.XDimensionMM = 0.01 * std::pow(10000.0, In.Next() / 255.0);
    d.BarHeightMM = In.Next() < 128 ? 0 : In.Next() * 5000.0 / 255;
    d.FontSizePt = 0.5 + In.Next() * 4;
    if (const unsigned zone = In.Next(); zone < 200)
        d.QuietZone = static_cast<int>(zone * 1000 / 199);
    QFont font = d.Font;
    font.setFamily(QString::fromUtf8(In.Text(64)));
    d.Font = font;
    d.Barcode.BarCode = In.Rest();
    return d;
}

constexpr long long MostPixels = 4'000'000;

void CheckPng(const QByteArray& Png, const TOutputLayout& Layout) {
    const QImage image = QImage::fromData(Png, "PNG");
    Require(!image.isNull() && image.size() == Layout.Size);
}

void CheckSvg(const QByteArray& Svg) {
    static const QStringList Elements = {"svg", "title", "desc", "g", "rect", "path", "text"};
    QXmlStreamReader xml(Svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        Require(Elements.contains(xml.name().toString()));
        for (const QXmlStreamAttribute& attribute : xml.attributes())
            Require(!attribute.name().startsWith(QLatin1String("on"), Qt::CaseInsensitive));
    }
    Require(!xml.hasError());
}

void CheckPdf(const QByteArray& Pdf, const TOutputLayout& Layout) {
    Require(Pdf.startsWith("%PDF-") && Pdf.trimmed().endsWith("%%EOF"));
    static const QRegularExpression MediaBox(
        QStringLiteral(R"(/MediaBox \[([-0-9.]+) ([-0-9.]+) ([-0-9.]+) ([-0-9.]+) *\])"));
    const QRegularExpressionMatch box = MediaBox.match(QString::fromLatin1(Pdf));
    Require(box.hasMatch());
    const double width = box.captured(3).toDouble() - box.captured(1).toDouble();
    const double height = box.captured(4).toDouble() - box.captured(2).toDouble();
    const double pointsPerUnit = 72 / 25.4 / Layout.UnitsPerMM;
    Require(std::abs(width - Layout.Size.width() * pointsPerUnit) <= 1.5);
    Require(std::abs(height - Layout.Size.height() * pointsPerUnit) <= 1.5);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TBytes in(Data, Size);
    const TBarcodeDescription d = Describe(in);
    try {
        const TOutputLayout raster = RasterLayout(d);
        CheckStandard(d, raster);
        // Larger pictures only cost the fuzzer time clearing memory; the layout was built.
        if (static_cast<long long>(raster.Size.width()) * raster.Size.height() <= MostPixels)
            CheckPng(RenderPng(raster), raster);
    } catch (const Exception&) {
    }
    try {
        const TOutputLayout vector = VectorLayout(d);
        CheckStandard(d, vector);
        CheckSvg(RenderSvg(vector));
        CheckPdf(RenderPdf(vector), vector);
    } catch (const Exception&) {
    }
    return 0;
}
