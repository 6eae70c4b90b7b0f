#include "barcode.h"

#include "enum_check.h"
#include "error_reporter.h"
#include "handler_call.h"
#include <quillmark/drawing_bounds.h>
#include <quillmark/ean_upc.h>
#include <quillmark/error_messages.h>
#include <quillmark/latin1.h>
#include <quillmark/matrix.h>
#include <quillmark/renderer.h>
#include <quillmark/standard_look.h>
#include <quillmark/version.h>

#include <QByteArray>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillmark {

namespace {

const std::string AboutText = std::string("Quillmark ") + Version +
                              " barcode control: draws one- and two-dimensional barcodes in " +
                              std::to_string(BarTypeCount) + " symbologies.";

bool IsBlankOrControl(char Ch) {
    return static_cast<unsigned char>(Ch) <= 32;
}

// Digits only once leading and trailing blanks and control characters are dropped; an
// empty remainder counts as digits.
bool TrimmedIsDigits(const std::string& Value) {
    const auto first = std::find_if_not(Value.begin(), Value.end(), IsBlankOrControl);
    const auto last = std::find_if_not(Value.rbegin(), Value.rend(), IsBlankOrControl).base();
    return first >= last ||
           std::all_of(first, last, [](char ch) { return ch >= '0' && ch <= '9'; });
}

bool Contains(const std::vector<std::string>& Values, const std::string& Value) {
    return std::find(Values.begin(), Values.end(), Value) != Values.end();
}

// The placed box moved to canvas coordinates, whose origin is the client-area point Origin.
// Raises ELimitError where a coordinate would leave int.
TSymbolBox OnCanvas(TSymbolBox Box, const QPoint& Origin, const QSize& Size) {
    const long long left = static_cast<long long>(Box.Left) - Origin.x();
    const long long top = static_cast<long long>(Box.Top) - Origin.y();
    if (left < std::numeric_limits<int>::min() || top < std::numeric_limits<int>::min())
        throw ELimitError(Quoting(
            std::to_string(Size.width()) + " x " + std::to_string(Size.height()), TooLargeMessage));
    Box.Left = static_cast<int>(left);
    Box.Top = static_cast<int>(top);
    return Box;
}

// A widget's range for a setting that Qt's property system writes: the C++ writers take
// such a value quietly as they always have, a property write reports it.
void RefuseOutside(const char* Name, long long Value, long long First, long long Last) {
    if (Value < First || Value > Last)
        throw Exception(Quoting(
            std::string(Name) + " " + std::to_string(Value),
            ("Out of range (" + std::to_string(First) + " to " + std::to_string(Last) + ").")
                .c_str()));
}

// The size of a window of its own with Along as its long side, for messages.
std::string WindowSize(bool Horizontal, long long Along, int Across) {
    return Horizontal ? std::to_string(Along) + " x " + std::to_string(Across)
                      : std::to_string(Across) + " x " + std::to_string(Along);
}

// The rows a grid takes across: its modules, and under the standard layout the text that
// stands clear below them, so that the whole of it is placed in the panel.
int GridRows(const TSymbol& Symbol, const TSymbolLook& Look, const QFont& Font) {
    if (Look.TextLayout != tlStandard)
        return GridHeight(Symbol);
    return StandardLook(Symbol, Look, Symbol.Text, Symbol.Widths.Narrow, GridHeight(Symbol), Font)
        .FrameRows();
}

// A type with no symbol for no value: a grid, GS1 DataBar's rows, or one that another
// symbology draws from the value converted (ITF-14, the book numbers).
bool NeedsAValue(TBarType Type) {
    return IsDrawnFromGrid(Type) || BarTypeData(Type).DrawnAs.has_value();
}

} // namespace

TBarCode::TBarCode(QWidget* parent) : TCustomPanel(parent) {}

void TBarCode::RaiseNotNumeric(const std::string& Value) const {
    throw Exception(Shortened(Value) + ": " + NotNumericMessage);
}

void TBarCode::RaiseRefused(const std::string& Value, const std::exception_ptr& Error) const {
    // A grid's refusal says what to change (a higher version, a larger size, less data), as
    // do those of the symbologies from ITF-14 on; the classic rows of bars keep the one
    // message they always gave.
    if (Error &&
        (IsTwoDimensional(FSettings.BarType) || FSettings.BarType >= quillmark::bcCodeITF14))
        std::rethrow_exception(Error);
    RaiseNotNumeric(Value);
}

void TBarCode::RefuseTooLong(const std::string& Value) const {
    if (StartTooLong(FSettings.BarType, Value, FSettings.Modul, FSettings.Ratio, FSettings.CheckSum,
                     MaxRasterSide))
        throw ELimitError(Quoting(Shortened(Value), TooLongMessage));
}

template <typename Handler, typename... Args>
bool TBarCode::CallHandler(const char* Name, const Handler& Stored, Args&... Arguments) {
    if (!Stored)
        return true;
    // A copy: the handler may replace or clear the stored one, which would destroy the
    // function running.
    const Handler handler = Stored;
    const THandlerCall call(Name);
    const QPointer<TBarCode> alive(this);
    handler(*this, Arguments...);
    return !alive.isNull();
}

void TBarCode::SetBarType(TBarType Value) {
    BarTypeData(Value); // refuses a type outside the catalogue before it is stored
    if (Value == FSettings.BarType)
        return;
    FSettings.BarType = Value;
    const QPointer<TBarCode> alive(this);
    try {
        UpdateBarcode();
    } catch (const ELimitError&) {
        throw; // no value would cure it
    } catch (const Exception&) {
        if (!alive || !FOnInvalidChar)
            throw;
        // The handler corrects the stored value in place: no validation, no repaint. The
        // next paint the windowing system asks for draws whatever it left there.
        if (CallHandler("OnInvalidChar", FOnInvalidChar, FSettings.BarCode))
            MarkCanvasStale();
    }
}

void TBarCode::SetBarCode(const std::string& Value) {
    if (Value == FSettings.BarCode)
        return;
    RefuseTooLong(Value);
    if (BarTypeData(FSettings.BarType).DigitsOnly)
        SetDigitsOnlyBarCode(Value);
    else
        SetFreeBarCode(Value);
}

// Every refused value is remembered: a handler that hands one back, or that keeps
// refusing for MaxInvalidCharRounds calls, ends the write with the error instead of
// looping for ever.
void TBarCode::SetDigitsOnlyBarCode(const std::string& Value) {
    std::string value = Value;
    std::vector<std::string> refused{Value};
    int calls = 0;
    // EAN/UPC values may carry an add-on after '+' or a space.
    while (!TrimmedIsDigits(value) && !SplitAddOn(FSettings.BarType, value)) {
        if (calls == MaxInvalidCharRounds)
            RaiseNotNumeric(Value);
        if (!CallHandler("OnInvalidChar", FOnInvalidChar, value))
            return;
        ++calls;
        if (Contains(refused, value))
            RaiseNotNumeric(Value);
        refused.push_back(value);
    }
    RefuseTooLong(value);
    FSettings.BarCode = value;
    UpdateBarcode();
}

void TBarCode::SetFreeBarCode(const std::string& Value) {
    std::string value = Value;
    std::vector<std::string> refused;
    std::exception_ptr error; // the last refusal
    const QPointer<TBarCode> alive(this);
    for (int calls = 0;; ++calls) {
        RefuseTooLong(value);
        FSettings.BarCode = value;
        try {
            UpdateBarcode();
            return;
        } catch (const ELimitError&) {
            throw; // no value would cure it
        } catch (const Exception&) {
            // The engine's and the control's errors are the value's fault: it gets offered
            // for correction. Anything else (out of memory, say) leaves as it is.
            if (!alive)
                throw;
            error = std::current_exception();
        }
        refused.push_back(value);
        if (calls == MaxInvalidCharRounds)
            RaiseRefused(Value, error);
        if (!CallHandler("OnInvalidChar", FOnInvalidChar, value))
            return;
        if (Contains(refused, value))
            RaiseRefused(Value, error);
    }
}

void TBarCode::SetBarHeight(int Value) {
    if (Value == FSettings.BarHeight)
        return;
    FSettings.BarHeight = Value < 0 || Value > BarHeightLimit() ? 0 : Value;
    UpdateBarcode();
}

void TBarCode::SetModul(int Value) {
    if (Value >= MinModul && Value <= MaxModul)
        Change(FSettings.Modul, Value);
}

void TBarCode::SetRatio(double Value) {
    // A NaN never equals the stored ratio, yet it is no change either.
    if (std::isnan(Value))
        return;
    // No modul draws with a ratio that is not positive or not finite: stored, it would make
    // every later write fail. The engine's width check gives the reason.
    if (!(Value > 0) || std::isinf(Value)) {
        MakeElementWidths(FSettings.Modul, Value);
        throw Exception(InternalErrorMessage); // the check above always raises
    }
    Change(FSettings.Ratio, Value);
}

void TBarCode::setBarHeight(int Value) {
    WriteSetting([&] {
        if (Value != 0)
            RefuseOutside("BarHeight", Value, 0, std::max(0, BarHeightLimit()));
        SetBarHeight(Value);
    });
}

void TBarCode::setModul(int Value) {
    WriteSetting([&] {
        RefuseOutside("Modul", Value, MinModul, MaxModul);
        SetModul(Value);
    });
}

void TBarCode::setRatio(double Value) {
    WriteSetting([&] {
        if (std::isnan(Value))
            throw Exception(Quoting("Ratio nan", "Not a number."));
        SetRatio(Value);
    });
}

void TBarCode::SetCheckSum(TCheckSum Value) {
    CheckEnumValue(Value, CheckSumCount, "check sum mode");
    Change(FSettings.CheckSum, Value);
}

void TBarCode::SetColorSpc(TColor Value) {
    Change(FSettings.ColorSpc, Value);
}

void TBarCode::SetColorBar(TColor Value) {
    Change(FSettings.ColorBar, Value);
}

void TBarCode::SetOrientation(TOrientation Value) {
    CheckEnumValue(Value, OrientationCount, "orientation");
    Change(FSettings.Orientation, Value);
}

void TBarCode::SetTextShow(TTextShow Value) {
    CheckEnumValue(Value, TextShowCount, "text mode");
    Change(FSettings.TextShow, Value);
}

void TBarCode::SetTextPosition(TTextPosition Value) {
    CheckEnumValue(Value, TextPositionCount, "text position");
    Change(FSettings.TextPosition, Value);
}

void TBarCode::SetTextLayout(TTextLayout Value) {
    CheckEnumValue(Value, TextLayoutCount, "text layout");
    Change(FSettings.TextLayout, Value);
}

void TBarCode::SetQrLevel(TQrLevel Value) {
    CheckEnumValue(static_cast<int>(Value), QrLevelCount, "error correction level");
    Change(FSettings.Matrix.QrLevel, Value);
}

void TBarCode::SetQrVersion(int Value) {
    Change(FSettings.Matrix.QrVersion, Value);
}

void TBarCode::SetDataMatrixShape(TDataMatrixShape Value) {
    CheckEnumValue(static_cast<int>(Value), DataMatrixShapeCount, "Data Matrix shape");
    Change(FSettings.Matrix.DataMatrixShape, Value);
}

void TBarCode::SetDataMatrixSize(int Rows, int Columns) {
    TMatrixOptions options = FSettings.Matrix;
    options.DataMatrixRows = Rows;
    options.DataMatrixColumns = Columns;
    Change(FSettings.Matrix, options);
}

void TBarCode::SetDigitalLinkDomain(const std::string& Value) {
    Change(FSettings.Matrix.DigitalLinkDomain, Value);
}

void TBarCode::SetBearers(TITF14Bearers Value) {
    CheckEnumValue(static_cast<int>(Value), bbNone + 1, "bearer bars");
    Change(FSettings.Bearers, Value);
}

void TBarCode::SetBearerWidth(int Value) {
    RefuseOutside("BearerWidth", Value, ITF14Facts.BearerMinModules, ITF14BearerMostModules);
    Change(FSettings.BearerModules, Value);
}

void TBarCode::SetDataBarSegments(int Value) {
    // The engine takes 0 for a single row, which is GS1 DataBar Expanded's and not a setting.
    RefuseOutside("DataBarSegments", Value, ExpandedSegmentsLeast, ExpandedSegmentsMost);
    // The engine's own check for the rest, on a value every row count holds.
    TMatrixOptions options = FSettings.Matrix;
    options.DataBarSegments = Value;
    TSymbolValue(quillmark::bcCodeDataBarExpandedStacked, "(01)09501101530003", quillmark::csNone,
                 options, nullptr)
        .RaiseRefusal();
    Change(FSettings.Matrix, options);
}

void TBarCode::SetTextColor(TColor Value) {
    Change(FSettings.TextColor, Value);
}

void TBarCode::SetAutoWidth(bool Value) {
    Change(FAutoWidth, Value);
}

void TBarCode::SetHMargin(int Value) {
    if (Value == FSettings.HMargin)
        return;
    FSettings.HMargin = Value;
    if (FAutoWidth)
        UpdateBarcode();
}

std::vector<std::string> TBarCode::Findings() const {
    return Encoded().Carried().Departures;
}

const TSymbolValue& TBarCode::Encoded() const {
    if (!FEncoded || !FEncoded->Holds(FSettings.BarType, FSettings.BarCode, FSettings.CheckSum,
                                      FSettings.Matrix))
        FEncoded = MakeSymbolValue(FSettings.BarType, FSettings.BarCode, FSettings.CheckSum,
                                   FSettings.Matrix);
    return *FEncoded;
}

std::string TBarCode::About() const {
    return AboutText;
}

void TBarCode::SetAbout(const std::string&) {}

QString TBarCode::AboutProperty() const {
    return QString::fromLatin1(AboutText.c_str());
}

QString TBarCode::BarCodeProperty() const {
    return QString::fromLatin1(FSettings.BarCode.data(),
                               static_cast<qsizetype>(FSettings.BarCode.size()));
}

void TBarCode::setBarCode(const QString& Value) {
    // A character beyond Latin-1 has no byte to stand for: refused, not replaced.
    WriteSetting([&] { SetBarCode(ValueFromText(Value.toStdString())); });
}

void TBarCode::WriteSetting(const std::function<void()>& Setter) noexcept {
    // Everything inside the try, the snapshot too: nothing may leave towards Qt.
    std::optional<std::pair<TBarcodeSettings, bool>> before;
    std::optional<QPointer<TBarCode>> alive;
    // Put back first (by moves, which can't fail), so that the reporter finds the widget as
    // it was before the write.
    const auto restore = [&] {
        if (!before || !alive || alive->isNull())
            return;
        FSettings = std::move(before->first);
        FAutoWidth = before->second;
        InvalidateCanvas();
    };
    try {
        alive.emplace(this);
        before.emplace(FSettings, FAutoWidth);
        Setter();
    } catch (const std::exception& error) {
        restore();
        ReportError(error);
    } catch (...) {
        restore();
        ReportError(Exception(UnknownWriteErrorMessage));
    }
}

void TBarCode::UpdateBarcode() {
    Repaint();
    if (!CallHandler("OnChange", FOnChange))
        return;
    const THandlerCall call("Changed");
    emit Changed();
}

void TBarCode::Assign(const QObject* Source) {
    const auto* source = qobject_cast<const TBarCode*>(Source);
    if (source == nullptr || source == this)
        return;
    FSettings = source->FSettings;
    FOnChange = source->FOnChange;
    MarkCanvasStale();
}

int TBarCode::AdjustWidth(int Margin) {
    // The pass-through makes rows of bars only; a grid's width comes with its encoding.
    const int width = IsDrawnFromGrid(FSettings.BarType)
                          ? Encoded().Symbol(FSettings.Modul, FSettings.Ratio).Width
                          : PatternWidth(FSettings.BarType, FSettings.BarCode, FSettings.Modul,
                                         FSettings.Ratio, FSettings.CheckSum);
    return AdjustWidthTo(width, Margin);
}

int TBarCode::AdjustWidthTo(int PatternWidth, int Margin) {
    const long long total =
        PatternWidth + 2LL * (static_cast<long long>(Margin) + FrameInset() + BorderAllowance());
    // Absurd margins must not overflow, nor make a widget larger than Qt's largest or
    // narrower than nothing, which a created widget's resize does not enforce: a negative
    // width wraps its geometry's far edge.
    const int result = static_cast<int>(std::clamp<long long>(total, 0, QWIDGETSIZE_MAX));
    // A window of its own is backed by Qt at its whole size once shown, so it is bounded as
    // a picture file is; it may be larger than the screens, which show part of it. A child
    // widget keeps only its visible part and may be any size, as may a window not shown.
    if (isWindow() && isVisible()) {
        const int across = Horizontal() ? height() : width();
        if (result > MaxRasterSide || across > MaxRasterSide ||
            static_cast<long long>(result) * across > MaxRasterPixels)
            throw ELimitError(Quoting(WindowSize(Horizontal(), result, across), TooLargeMessage) +
                              " A window of its own is at most " + RasterBoundText() + " pixels.");
    }
    if (Horizontal())
        SetWidth(result);
    else
        SetHeight(result);
    return result;
}

int TBarCode::BarHeightLimit() const {
    return AutomaticBarHeight(PanelFrame(), FSettings.Orientation);
}

void TBarCode::DrawOnCanvas(QPainter& Canvas, TBarType BarType, const std::string& Value, int Modul,
                            double Ratio, TCheckSum CheckSum, int Left, int Top, int Height,
                            const QFont& Font, TColor FontColor, TTextShow TextShow,
                            TTextPosition TextPosition, TColor ColorBar, TColor ColorSpc,
                            TColor TextColor, double Angle) const {
    DrawBarcode(Canvas, BarType, Value, Modul, Ratio, CheckSum, Left, Top, Height, Font, FontColor,
                TextShow, TextPosition, ColorBar, ColorSpc, TextColor, Angle);
}

int TBarCode::PatternWidth(TBarType BarType, const std::string& Value, int Modul, double Ratio,
                           TCheckSum CheckSum) const {
    return quillmark::PatternWidth(BarType, Value, Modul, Ratio, CheckSum);
}

void TBarCode::Paint() {
    TCustomPanel::Paint();
    // A long value stored before a setting made it too long.
    RefuseTooLong(FSettings.BarCode);
    // The panel stands empty until a value comes, so that a form may choose the type before
    // it sets the value.
    if (NeedsAValue(FSettings.BarType) && FSettings.BarCode.empty())
        return;
    // One encoding serves the automatic width, the placement and the drawing.
    const TSymbol symbol = Encoded().Symbol(FSettings.Modul, FSettings.Ratio);
    if (FAutoWidth) {
        const QSize before = size();
        AdjustWidthTo(symbol.Width, FSettings.HMargin);
        // The panel was painted for the old size; paint it again for the new one.
        if (size() != before)
            TCustomPanel::Paint();
    }
    // A grid is as high as its rows, and the box's height is its last row.
    const int barHeight =
        symbol.Grid ? GridRows(symbol, FSettings, Font()) - 1 : FSettings.BarHeight;
    const TSymbolBox box =
        OnCanvas(PlaceSymbol(PanelFrame(), FSettings.Orientation, barHeight, symbol.Width),
                 CanvasRect().topLeft(), size());
    QPainter canvas(&Canvas());
    DrawSymbol(canvas, symbol, FSettings, Font(), FontColor(), box);
}

} // namespace quillmark
