#include "barcode.h"

#include "renderer.h"

#include <QByteArray>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace quillmark {

namespace {

constexpr const char* AboutText =
    "Quillmark barcode control: draws one-dimensional barcodes in 23 symbologies.";

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

double AngleOf(TOrientation Orientation) {
    switch (Orientation) {
    case toRightLeft:
        return 180;
    case toTopBottom:
        return 270;
    case toBottomTop:
        return 90;
    default:
        return 0;
    }
}

} // namespace

TBarCode::TBarCode(QWidget* parent) : TCustomPanel(parent) {}

void TBarCode::RaiseNotNumeric(const std::string& Value) const {
    throw Exception(Value + ": Barcode must be numeric.");
}

void TBarCode::SetBarType(TBarType Value) {
    if (Value == FBarType)
        return;
    FBarType = Value;
    try {
        UpdateBarcode();
    } catch (...) {
        if (!FOnInvalidChar)
            throw;
        // The handler corrects the stored value in place: no validation, no repaint. The
        // next paint the windowing system asks for draws whatever it left there.
        FOnInvalidChar(*this, FBarCode);
        MarkCanvasStale();
    }
}

void TBarCode::SetBarCode(const std::string& Value) {
    if (Value == FBarCode)
        return;
    if (BarTypeData(FBarType).DigitsOnly)
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
    while (!TrimmedIsDigits(value)) {
        if (calls == MaxInvalidCharRounds)
            RaiseNotNumeric(Value);
        if (FOnInvalidChar)
            FOnInvalidChar(*this, value);
        ++calls;
        if (Contains(refused, value))
            RaiseNotNumeric(Value);
        refused.push_back(value);
    }
    FBarCode = value;
    UpdateBarcode();
}

void TBarCode::SetFreeBarCode(const std::string& Value) {
    std::string value = Value;
    std::vector<std::string> refused;
    for (int calls = 0;; ++calls) {
        FBarCode = value;
        try {
            UpdateBarcode();
            return;
        } catch (...) {
            // Whatever went wrong, the value is what gets offered for correction.
        }
        refused.push_back(value);
        if (calls == MaxInvalidCharRounds)
            RaiseNotNumeric(Value);
        if (FOnInvalidChar)
            FOnInvalidChar(*this, value);
        if (Contains(refused, value))
            RaiseNotNumeric(Value);
    }
}

void TBarCode::SetBarHeight(int Value) {
    if (Value == FBarHeight)
        return;
    FBarHeight = Value < 0 || Value > BarHeightLimit() ? 0 : Value;
    UpdateBarcode();
}

void TBarCode::SetModul(int Value) {
    if (Value >= 1 && Value <= 49)
        Change(FModul, Value);
}

void TBarCode::SetRatio(double Value) {
    // A NaN never equals the stored ratio, yet it is no change either.
    if (!std::isnan(Value))
        Change(FRatio, Value);
}

void TBarCode::SetCheckSum(TCheckSum Value) {
    Change(FCheckSum, Value);
}

void TBarCode::SetColorSpc(TColor Value) {
    Change(FColorSpc, Value);
}

void TBarCode::SetColorBar(TColor Value) {
    Change(FColorBar, Value);
}

void TBarCode::SetOrientation(TOrientation Value) {
    Change(FOrientation, Value);
}

void TBarCode::SetTextShow(TTextShow Value) {
    Change(FTextShow, Value);
}

void TBarCode::SetTextPosition(TTextPosition Value) {
    Change(FTextPosition, Value);
}

void TBarCode::SetTextColor(TColor Value) {
    Change(FTextColor, Value);
}

void TBarCode::SetAutoWidth(bool Value) {
    Change(FAutoWidth, Value);
}

void TBarCode::SetHMargin(int Value) {
    if (Value == FHMargin)
        return;
    FHMargin = Value;
    if (FAutoWidth)
        UpdateBarcode();
}

std::string TBarCode::About() const {
    return AboutText;
}

void TBarCode::SetAbout(const std::string&) {}

QString TBarCode::AboutProperty() const {
    return QString::fromLatin1(AboutText);
}

QString TBarCode::BarCodeProperty() const {
    return QString::fromLatin1(FBarCode.data(), static_cast<qsizetype>(FBarCode.size()));
}

void TBarCode::SetBarCodeProperty(const QString& Value) {
    const QByteArray bytes = Value.toLatin1();
    SetBarCode(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void TBarCode::UpdateBarcode() {
    Repaint();
    if (FOnChange)
        FOnChange(*this);
    emit Changed();
}

void TBarCode::Assign(const QObject* Source) {
    const auto* source = qobject_cast<const TBarCode*>(Source);
    if (source == nullptr || source == this)
        return;
    FOrientation = source->FOrientation;
    FModul = source->FModul;
    FRatio = source->FRatio;
    FColorSpc = source->FColorSpc;
    FColorBar = source->FColorBar;
    FBarType = source->FBarType;
    FBarCode = source->FBarCode;
    FBarHeight = source->FBarHeight;
    FCheckSum = source->FCheckSum;
    FTextColor = source->FTextColor;
    FTextShow = source->FTextShow;
    FTextPosition = source->FTextPosition;
    FHMargin = source->FHMargin;
    FOnChange = source->FOnChange;
    MarkCanvasStale();
}

int TBarCode::AdjustWidth(int Margin) {
    const long long total =
        PatternWidth(FBarType, FBarCode, FModul, FRatio, FCheckSum) +
        2LL * (static_cast<long long>(Margin) + FrameInset() + BorderAllowance());
    // Absurd margins must not overflow; Qt bounds the size anyway.
    const int result = static_cast<int>(std::clamp<long long>(
        total, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    if (Horizontal())
        SetWidth(result);
    else
        SetHeight(result);
    return result;
}

int TBarCode::BarHeightLimit() const {
    const int across = Horizontal() ? Height() : Width();
    return across - 2 * FrameInset() - BorderAllowance() - 1;
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
    if (FAutoWidth) {
        const QSize before = size();
        AdjustWidth(FHMargin);
        // The panel was painted for the old size; paint it again for the new one.
        if (size() != before)
            TCustomPanel::Paint();
    }
    const int inset = FrameInset();
    const int allowance = BorderAllowance();
    const int patternWidth = PatternWidth(FBarType, FBarCode, FModul, FRatio, FCheckSum);
    const bool horizontal = Horizontal();
    const int along = horizontal ? Width() : Height();
    const int across = horizontal ? Height() : Width();
    const int barHeight = FBarHeight != 0 ? FBarHeight : across - 2 * inset - allowance - 1;
    // The two reversed directions sit one pixel earlier when justified to either end.
    const int shift = FOrientation == toRightLeft || FOrientation == toBottomTop ? 1 : 0;
    int start = 0;
    switch (Alignment()) {
    case taLeftJustify:
        start = inset - shift;
        break;
    case taRightJustify:
        start = along - inset - allowance - patternWidth - shift;
        break;
    default:
        start = (along - allowance - patternWidth) / 2;
        break;
    }
    const int side = (across - barHeight - allowance) / 2;
    const int left = horizontal ? start : side;
    const int top = horizontal ? side : start;
    QPainter canvas(&Canvas());
    DrawOnCanvas(canvas, FBarType, FBarCode, FModul, FRatio, FCheckSum, left, top, barHeight,
                 Font(), FontColor(), FTextShow, FTextPosition, FColorBar, FColorSpc, FTextColor,
                 AngleOf(FOrientation));
}

} // namespace quillmark
