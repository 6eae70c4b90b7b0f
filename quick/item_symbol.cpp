#include "item_symbol.h"

#include <quillmark/drawing_bounds.h>
#include <quillmark/error_messages.h>
#include <quillmark/latin1.h>
#include <quillmark/layout.h>
#include <quillmark/prepared_symbol.h>
#include <quillmark/qt_colors.h>
#include <quillmark/raster_image.h>
#include <quillmark/units.h>

#include <cmath>
#include <optional>

namespace quillmark {

namespace {

// Qt's logical pixel: 1/96 inch.
constexpr double LogicalDpi = 96;
// Bounds that keep every derived size inside what the output layout takes.
constexpr double MaxModuleWidth = 100;
constexpr double MaxDevicePixelRatio = 16;

std::string Number(double Value) {
    return QString::number(Value).toStdString();
}

void Require(bool Condition, const char* Subject, double Value, const std::string& Rule) {
    if (!Condition)
        throw Exception(std::string(Subject) + " " + Number(Value) + " : " + Rule);
}

// "out of range (above 0, up to <Largest><Unit>)."
std::string AboveZeroUpTo(double Largest, const char* Unit) {
    return "out of range (above 0, up to " + Number(Largest) + Unit + ").";
}

// The font's size in logical pixels, whichever way it was given.
double LogicalPixels(const QFont& Font) {
    return Font.pixelSize() > 0 ? Font.pixelSize() : Font.pointSizeF() * LogicalDpi / PointsPerInch;
}

} // namespace

QFont DefaultItemFont() {
    QFont font = DefaultOutputFont();
    font.setPointSizeF(DefaultFontSizePt);
    return font;
}

TBarcodeDescription ItemDescription(const TItemSettings& Settings, double DevicePixelRatio) {
    Require(DevicePixelRatio > 0 && DevicePixelRatio <= MaxDevicePixelRatio, "device pixel ratio",
            DevicePixelRatio, AboveZeroUpTo(MaxDevicePixelRatio, ""));
    Require(Settings.ModuleWidth > 0 && Settings.ModuleWidth <= MaxModuleWidth, "moduleWidth",
            Settings.ModuleWidth, AboveZeroUpTo(MaxModuleWidth, " pixels"));
    Require(Settings.BarHeight >= 0, "barHeight", Settings.BarHeight,
            "must not be negative (0 is the standard height).");
    Require(std::isfinite(Settings.Ratio), "ratio", Settings.Ratio, "is not a number.");
    Require(Settings.Look.BearerModules >= ITF14Facts.BearerMinModules &&
                Settings.Look.BearerModules <= ITF14BearerMostModules,
            "bearerWidth", Settings.Look.BearerModules,
            "out of range (" + std::to_string(ITF14Facts.BearerMinModules) + " to " +
                std::to_string(ITF14BearerMostModules) + " modules).");
    // The engine takes 0 for a single row, which is GS1 DataBar Expanded's and not a setting;
    // it refuses an odd count itself.
    Require(Settings.Matrix.DataBarSegments >= ExpandedSegmentsLeast &&
                Settings.Matrix.DataBarSegments <= ExpandedSegmentsMost,
            "dataBarSegments", Settings.Matrix.DataBarSegments,
            "out of range (" + std::to_string(ExpandedSegmentsLeast) + " to " +
                std::to_string(ExpandedSegmentsMost) + ", even).");
    const std::optional<TBarType> type = FindBarType(Settings.Type);
    if (!type)
        throw Exception(Quoting(Shortened(Settings.Type), "unknown barcode type."));

    TBarcodeDescription d;
    d.Dpi = static_cast<int>(std::lround(LogicalDpi * DevicePixelRatio));
    const double pixelsPerMM = d.Dpi / MMPerInch;
    const long modul = std::max(1L, std::lround(Settings.ModuleWidth * DevicePixelRatio));
    d.XDimensionMM = modul / pixelsPerMM;
    if (Settings.BarHeight > 0)
        d.BarHeightMM =
            std::max(1.0, std::round(Settings.BarHeight * DevicePixelRatio)) / pixelsPerMM;
    if (!Settings.QuietZone)
        d.QuietZone = 0;
    d.Font = Settings.Font;
    d.FontSizePt = LogicalPixels(Settings.Font) * PointsPerInch / LogicalDpi;
    d.FontColor = FromQColor(Settings.Foreground);

    TSymbolLook& b = d.Barcode;
    b.BarType = *type;
    b.Ratio = Settings.Ratio;
    b.Matrix = Settings.Matrix;
    static_cast<TLookSettings&>(b) = Settings.Look;
    b.TextShow = ItemTextShow(Settings);
    b.ColorBar = FromQColor(Settings.Foreground);
    b.ColorSpc = FromQColor(Settings.Background);
    b.TextColor = b.ColorSpc;
    // "transparent", or any background of alpha 0: the scene shows through the spaces.
    d.Transparent = Settings.Background.alpha() == 0;
    return d;
}

TTextShow ItemTextShow(const TItemSettings& Settings) {
    if (Settings.TextShowGiven)
        return Settings.Look.TextShow;
    const std::optional<TBarType> type = FindBarType(Settings.Type);
    return type ? DefaultTextShow(*type) : Settings.Look.TextShow;
}

TItemSymbol DrawItemSymbol(const TItemSettings& Settings, double DevicePixelRatio) {
    const TBarcodeDescription description = ItemDescription(Settings, DevicePixelRatio);
    const std::string value = ValueFromText(Settings.Value.toStdString());
    // Refused by its start, as a file refuses it, before the checks that read all of it.
    const TSymbolLook& b = description.Barcode;
    if (StartTooLong(b.BarType, value, RasterModul(description), OutputRatio(description),
                     Settings.CheckDigits == TCheckDigits::Mod10 ? csModulo10 : csNone,
                     MaxRasterSide))
        throw Exception(Quoting(Shortened(value), TooLongMessage));
    TPreparedSymbol prepared(description, value, Settings.CheckDigits);
    TItemSymbol symbol;
    symbol.Image = RenderImage(prepared.Raster());
    symbol.Image.setDevicePixelRatio(DevicePixelRatio);
    if (const std::optional<std::string>& data = prepared.Value().Carried().Data)
        symbol.Carried = QString::fromLatin1(data->data(), static_cast<qsizetype>(data->size()));
    for (const std::string& finding : prepared.Findings(TFileFormat::Png))
        symbol.Findings.append(
            QString::fromLatin1(finding.data(), static_cast<qsizetype>(finding.size())));
    return symbol;
}

} // namespace quillmark
