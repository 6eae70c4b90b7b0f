// TBarCode: a panel that holds one barcode's settings, validates values, sizes itself
// and draws the symbol with its human-readable text.
#pragma once

#include <quillmark/quillmark_widgets_export.h>

#include <quillmark/barcode_settings.h>
#include <quillmark/control_types.h>
#include <quillmark/engine.h>
#include <quillmark/limit_error.h>
#include <quillmark/module_grid.h>
#include <quillmark/panel.h>
#include <quillmark/symbol_value.h>

#include <QSize>
#include <QString>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QPainter;

namespace quillmark {

class TBarCode;

using TNotifyEvent = std::function<void(TBarCode& Sender)>;
// The handler may change Barcode; the control reads the changed value back.
using TInvalidChar = std::function<void(TBarCode& Sender, std::string& Barcode)>;

class QUILLMARK_WIDGETS_EXPORT TBarCode : public TCustomPanel {
    Q_OBJECT
    // Writes through Qt's property system (setProperty, Designer forms, QML) never throw:
    // a failure goes to the error reporter and the barcode's settings stay as they were.
    Q_PROPERTY(BarTypes BarType READ BarTypeProperty WRITE setBarType NOTIFY Changed)
    Q_PROPERTY(QString BarCode READ BarCodeProperty WRITE setBarCode NOTIFY Changed)
    Q_PROPERTY(int BarHeight READ BarHeight WRITE setBarHeight NOTIFY Changed)
    Q_PROPERTY(int Modul READ Modul WRITE setModul NOTIFY Changed)
    Q_PROPERTY(double Ratio READ Ratio WRITE setRatio NOTIFY Changed)
    Q_PROPERTY(CheckSums CheckSum READ CheckSumProperty WRITE setCheckSum NOTIFY Changed)
    Q_PROPERTY(int ColorSpc READ ColorSpc WRITE setColorSpc NOTIFY Changed)
    Q_PROPERTY(int ColorBar READ ColorBar WRITE setColorBar NOTIFY Changed)
    Q_PROPERTY(
        Orientations Orientation READ OrientationProperty WRITE setOrientation NOTIFY Changed)
    Q_PROPERTY(TextShows TextShow READ TextShowProperty WRITE setTextShow NOTIFY Changed)
    Q_PROPERTY(
        TextPositions TextPosition READ TextPositionProperty WRITE setTextPosition NOTIFY Changed)
    Q_PROPERTY(TextLayouts TextLayout READ TextLayoutProperty WRITE setTextLayout NOTIFY Changed)
    Q_PROPERTY(int TextColor READ TextColor WRITE setTextColor NOTIFY Changed)
    Q_PROPERTY(bool AutoWidth READ AutoWidth WRITE setAutoWidth NOTIFY Changed)
    Q_PROPERTY(int HMargin READ HMargin WRITE setHMargin NOTIFY Changed)
    Q_PROPERTY(QrLevels QrLevel READ QrLevelProperty WRITE setQrLevel NOTIFY Changed)
    Q_PROPERTY(int QrVersion READ QrVersion WRITE setQrVersion NOTIFY Changed)
    Q_PROPERTY(DataMatrixShapes DataMatrixShape READ DataMatrixShapeProperty WRITE
                   setDataMatrixShape NOTIFY Changed)
    Q_PROPERTY(
        QSize DataMatrixSize READ DataMatrixSizeProperty WRITE setDataMatrixSize NOTIFY Changed)
    Q_PROPERTY(QString DigitalLinkDomain READ DigitalLinkDomainProperty WRITE setDigitalLinkDomain
                   NOTIFY Changed)
    Q_PROPERTY(ITF14Bearers Bearers READ BearersProperty WRITE setBearers NOTIFY Changed)
    Q_PROPERTY(int BearerWidth READ BearerWidth WRITE setBearerWidth NOTIFY Changed)
    Q_PROPERTY(int DataBarSegments READ DataBarSegments WRITE setDataBarSegments NOTIFY Changed)
    Q_PROPERTY(QString About READ AboutProperty WRITE setAbout)

public:
    // The enumerations as Qt's meta-object system sees them, value for value, so that forms
    // and setProperty can name them by their identifiers. Unscoped, so that both spellings a
    // form may hold, TBarCode::bcCode39 and TBarCode::BarTypes::bcCode39, compile.
    enum BarTypes : std::uint8_t {
        bcCode_2_5_interleaved = quillmark::bcCode_2_5_interleaved,
        bcCode_2_5_industrial = quillmark::bcCode_2_5_industrial,
        bcCode_2_5_matrix = quillmark::bcCode_2_5_matrix,
        bcCode39 = quillmark::bcCode39,
        bcCode39Extended = quillmark::bcCode39Extended,
        bcCode128A = quillmark::bcCode128A,
        bcCode128B = quillmark::bcCode128B,
        bcCode128C = quillmark::bcCode128C,
        bcCode93 = quillmark::bcCode93,
        bcCode93Extended = quillmark::bcCode93Extended,
        bcCodeMSI = quillmark::bcCodeMSI,
        bcCodePostNet = quillmark::bcCodePostNet,
        bcCodeCodabar = quillmark::bcCodeCodabar,
        bcCodeEAN8 = quillmark::bcCodeEAN8,
        bcCodeEAN13 = quillmark::bcCodeEAN13,
        bcCodeUPC_A = quillmark::bcCodeUPC_A,
        bcCodeUPC_E0 = quillmark::bcCodeUPC_E0,
        bcCodeUPC_E1 = quillmark::bcCodeUPC_E1,
        bcCodeUPC_Supp2 = quillmark::bcCodeUPC_Supp2,
        bcCodeUPC_Supp5 = quillmark::bcCodeUPC_Supp5,
        bcCodeEAN128A = quillmark::bcCodeEAN128A,
        bcCodeEAN128B = quillmark::bcCodeEAN128B,
        bcCodeEAN128C = quillmark::bcCodeEAN128C,
        bcCode128 = quillmark::bcCode128,
        bcCodeGS1_128 = quillmark::bcCodeGS1_128,
        bcCodeQR = quillmark::bcCodeQR,
        bcCodeMicroQR = quillmark::bcCodeMicroQR,
        bcCodeDataMatrix = quillmark::bcCodeDataMatrix,
        bcCodeGS1DataMatrix = quillmark::bcCodeGS1DataMatrix,
        bcCodeGS1DigitalLinkQR = quillmark::bcCodeGS1DigitalLinkQR,
        bcCodeITF14 = quillmark::bcCodeITF14,
        bcCodeDataBar = quillmark::bcCodeDataBar,
        bcCodeDataBarTruncated = quillmark::bcCodeDataBarTruncated,
        bcCodeDataBarStacked = quillmark::bcCodeDataBarStacked,
        bcCodeDataBarStackedOmni = quillmark::bcCodeDataBarStackedOmni,
        bcCodeDataBarLimited = quillmark::bcCodeDataBarLimited,
        bcCodeDataBarExpanded = quillmark::bcCodeDataBarExpanded,
        bcCodeDataBarExpandedStacked = quillmark::bcCodeDataBarExpandedStacked,
        bcCodeISBN = quillmark::bcCodeISBN,
        bcCodeISMN = quillmark::bcCodeISMN,
        bcCodeISSN = quillmark::bcCodeISSN,
    };
    Q_ENUM(BarTypes)
    enum CheckSums : std::uint8_t {
        csNone = quillmark::csNone,
        csModulo10 = quillmark::csModulo10,
    };
    Q_ENUM(CheckSums)
    enum Orientations : std::uint8_t {
        toLeftRight = quillmark::toLeftRight,
        toRightLeft = quillmark::toRightLeft,
        toTopBottom = quillmark::toTopBottom,
        toBottomTop = quillmark::toBottomTop,
    };
    Q_ENUM(Orientations)
    enum TextShows : std::uint8_t {
        tsNone = quillmark::tsNone,
        tsBarCode = quillmark::tsBarCode,
        tsBarType = quillmark::tsBarType,
        tsBoth = quillmark::tsBoth,
    };
    Q_ENUM(TextShows)
    enum TextPositions : std::uint8_t {
        tpTopLeft = quillmark::tpTopLeft,
        tpTopRight = quillmark::tpTopRight,
        tpTopCenter = quillmark::tpTopCenter,
        tpBottomLeft = quillmark::tpBottomLeft,
        tpBottomRight = quillmark::tpBottomRight,
        tpBottomCenter = quillmark::tpBottomCenter,
    };
    Q_ENUM(TextPositions)
    enum TextLayouts : std::uint8_t {
        tlOverBars = quillmark::tlOverBars,
        tlStandard = quillmark::tlStandard,
    };
    Q_ENUM(TextLayouts)
    enum QrLevels : std::uint8_t {
        qlL = static_cast<std::uint8_t>(TQrLevel::L),
        qlM = static_cast<std::uint8_t>(TQrLevel::M),
        qlQ = static_cast<std::uint8_t>(TQrLevel::Q),
        qlH = static_cast<std::uint8_t>(TQrLevel::H),
    };
    Q_ENUM(QrLevels)
    enum DataMatrixShapes : std::uint8_t {
        dsSquare = static_cast<std::uint8_t>(TDataMatrixShape::Square),
        dsRectangle = static_cast<std::uint8_t>(TDataMatrixShape::Rectangle),
        dsAny = static_cast<std::uint8_t>(TDataMatrixShape::Any),
    };
    Q_ENUM(DataMatrixShapes)
    enum ITF14Bearers : std::uint8_t {
        bbFrame = static_cast<std::uint8_t>(TITF14Bearers::Frame),
        bbTopAndBottom = static_cast<std::uint8_t>(TITF14Bearers::TopAndBottom),
        bbNone = static_cast<std::uint8_t>(TITF14Bearers::None),
    };
    Q_ENUM(ITF14Bearers)

    // A rejected value is offered to OnInvalidChar at most this many times per write.
    static constexpr int MaxInvalidCharRounds = 16;

    // The C++ writers raise quillmark::Exception; an enumeration value outside its
    // enumeration is refused so, and the old value kept. Handlers (OnChange, OnInvalidChar
    // and slots of Changed) may change properties: each is called through a copy, so it may
    // replace or clear itself, and calls nested more than MaxHandlerDepth (32) deep raise
    // ELimitError. A handler must not delete the widget with delete: deleteLater() is the
    // way. (A widget deleted by its handler ends the writer at once, without touching it.)
    explicit TBarCode(QWidget* parent = nullptr);

    TBarType BarType() const { return FSettings.BarType; }
    // Stores and repaints; if the repaint fails, OnInvalidChar (when assigned) may replace
    // the stored value, which is then kept without a repaint and the error is dropped.
    void SetBarType(TBarType Value);
    const std::string& BarCode() const { return FSettings.BarCode; }
    // Validates Value, offering a refused one to OnInvalidChar, stores it and repaints. A
    // value whose first PrefixCharacters (4,096) characters already make a symbol longer than
    // a picture file may be (MaxRasterSide) raises ELimitError at once and the old value stays.
    virtual void SetBarCode(const std::string& Value);
    int BarHeight() const { return FSettings.BarHeight; }
    // A negative value or one above BarHeightLimit() stores 0.
    void SetBarHeight(int Value);
    int Modul() const { return FSettings.Modul; }
    // Only MinModul to MaxModul are taken; other values are ignored.
    void SetModul(int Value);
    static constexpr int MinModul = 1;
    static constexpr int MaxModul = 49;
    double Ratio() const { return FSettings.Ratio; }
    // Stored unclamped; a NaN is ignored. One that no modul draws with (not above 0, or
    // infinite) raises Exception and the old ratio stays.
    void SetRatio(double Value);
    TCheckSum CheckSum() const { return FSettings.CheckSum; }
    void SetCheckSum(TCheckSum Value);
    TColor ColorSpc() const { return FSettings.ColorSpc; }
    void SetColorSpc(TColor Value);
    TColor ColorBar() const { return FSettings.ColorBar; }
    void SetColorBar(TColor Value);
    TOrientation Orientation() const { return FSettings.Orientation; }
    void SetOrientation(TOrientation Value);
    TTextShow TextShow() const { return FSettings.TextShow; }
    void SetTextShow(TTextShow Value);
    TTextPosition TextPosition() const { return FSettings.TextPosition; }
    void SetTextPosition(TTextPosition Value);
    // tlOverBars (the default) draws the text in a box over the bars; tlStandard draws bars
    // and text within BarHeight as files print them: the text clear of the bars, EAN/UPC
    // digits in groups between descending guards.
    TTextLayout TextLayout() const { return FSettings.TextLayout; }
    void SetTextLayout(TTextLayout Value);
    TColor TextColor() const { return FSettings.TextColor; }
    void SetTextColor(TColor Value);
    bool AutoWidth() const { return FAutoWidth; }
    void SetAutoWidth(bool Value);
    int HMargin() const { return FSettings.HMargin; }
    // Repaints only while AutoWidth is on, the one place that reads the margin.
    void SetHMargin(int Value);
    // The two-dimensional symbols' options; the one-dimensional types ignore them. Each
    // writer renews the encoded value and repaints; an option the symbol can't be made with
    // (a QR version too small for the value, a Data Matrix size the standard lacks) is
    // stored and raises the matrix library's refusal from the repaint, as a value does.
    // A two-dimensional symbol's height is its grid's: BarHeight is not read. With an empty
    // value such a type draws the panel alone.
    TQrLevel QrLevel() const { return FSettings.Matrix.QrLevel; }
    void SetQrLevel(TQrLevel Value);
    // 0 is the smallest version that holds the value.
    int QrVersion() const { return FSettings.Matrix.QrVersion; }
    void SetQrVersion(int Value);
    TDataMatrixShape DataMatrixShape() const { return FSettings.Matrix.DataMatrixShape; }
    void SetDataMatrixShape(TDataMatrixShape Value);
    // A fixed size is both at once; 0 and 0 the smallest of the shape that holds the value.
    int DataMatrixRows() const { return FSettings.Matrix.DataMatrixRows; }
    int DataMatrixColumns() const { return FSettings.Matrix.DataMatrixColumns; }
    void SetDataMatrixSize(int Rows, int Columns);
    const std::string& DigitalLinkDomain() const { return FSettings.Matrix.DigitalLinkDomain; }
    void SetDigitalLinkDomain(const std::string& Value);
    // ITF-14's bearer bars: a frame (the default), a bar above and one below, or none; the
    // other symbologies ignore them.
    TITF14Bearers Bearers() const { return FSettings.Bearers; }
    void SetBearers(TITF14Bearers Value);
    // The bearers' thickness in modules, from ITF14Facts.BearerMinModules (2) up to
    // MaxRasterSide; another value raises Exception and the old one stays.
    int BearerWidth() const { return FSettings.BearerModules; }
    void SetBearerWidth(int Value);
    // GS1 DataBar Expanded Stacked's segments in a row: an even number from
    // ExpandedSegmentsLeast to ExpandedSegmentsMost; another raises the engine's refusal and
    // the old one stays. The other types ignore it.
    int DataBarSegments() const { return FSettings.Matrix.DataBarSegments; }
    void SetDataBarSegments(int Value);
    // A fixed credit text; writing it does nothing.
    std::string About() const;
    void SetAbout(const std::string& Value);
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }
    const TInvalidChar& OnInvalidChar() const { return FOnInvalidChar; }
    void SetOnInvalidChar(TInvalidChar Handler) { FOnInvalidChar = std::move(Handler); }

    // Paints at once, then fires OnChange and Changed(); a painting error leaves here and
    // nothing is fired.
    virtual void UpdateBarcode();

    // All the barcode's own settings as one value.
    const TBarcodeSettings& Settings() const { return FSettings; }

    // Every way the symbol drawn for the current settings carries something other than the
    // value as stored, one sentence each (the engine's Carried); empty when it carries the
    // value as it stands. The widget draws such values all the same; a program may show
    // these before it lets the symbol out.
    std::vector<std::string> Findings() const;

    // The stored type, value and check mode encoded, once for as long as they stay: the
    // paint, the findings and what a program asks of the symbol shown read it.
    const TSymbolValue& Encoded() const;
    // Takes Value, encoded elsewhere, as Encoded's for as long as the settings hold its type,
    // value and check mode; one that they don't hold is encoded anew when asked for.
    void UseEncoded(std::shared_ptr<const TSymbolValue> Value) { FEncoded = std::move(Value); }

    // Copies the barcode settings and OnChange of another TBarCode, without validation or
    // repaint; AutoWidth, OnInvalidChar and the panel's properties stay. Any other Source
    // is ignored.
    void Assign(const QObject* Source);

    // Sets Width (horizontal orientations) or Height (vertical ones) to the pattern width (a
    // two-dimensional symbol's columns) plus Margin, the frame inset and the border allowance on
    // both sides, at most QWIDGETSIZE_MAX; returns it.
    int AdjustWidth(int Margin);

    // The largest BarHeight the current size takes.
    int BarHeightLimit() const;

    // Pass-throughs to the renderer and the engine with every parameter explicit.
    void DrawOnCanvas(QPainter& Canvas, TBarType BarType, const std::string& Value, int Modul,
                      double Ratio, TCheckSum CheckSum, int Left, int Top, int Height,
                      const QFont& Font, TColor FontColor, TTextShow TextShow,
                      TTextPosition TextPosition, TColor ColorBar, TColor ColorSpc,
                      TColor TextColor, double Angle) const;
    int PatternWidth(TBarType BarType, const std::string& Value, int Modul, double Ratio,
                     TCheckSum CheckSum) const;

    // Qt-style writers: the properties' writers for Qt's property system, which uic calls
    // for Designer forms (set + the property's name). Like setProperty, they never throw: a
    // failure goes to the error reporter and the barcode's settings stay as they were.
    void setBarType(BarTypes Value) {
        WriteSetting([&] { SetBarType(static_cast<TBarType>(Value)); });
    }
    void setBarCode(const QString& Value);
    // Unlike their C++ writers, these report a BarHeight or Modul out of range and a NaN
    // ratio, and the old value stays.
    void setBarHeight(int Value);
    void setModul(int Value);
    void setRatio(double Value);
    void setCheckSum(CheckSums Value) {
        WriteSetting([&] { SetCheckSum(static_cast<TCheckSum>(Value)); });
    }
    void setColorSpc(int Value) {
        WriteSetting([&] { SetColorSpc(Value); });
    }
    void setColorBar(int Value) {
        WriteSetting([&] { SetColorBar(Value); });
    }
    void setOrientation(Orientations Value) {
        WriteSetting([&] { SetOrientation(static_cast<TOrientation>(Value)); });
    }
    void setTextShow(TextShows Value) {
        WriteSetting([&] { SetTextShow(static_cast<TTextShow>(Value)); });
    }
    void setTextPosition(TextPositions Value) {
        WriteSetting([&] { SetTextPosition(static_cast<TTextPosition>(Value)); });
    }
    void setTextLayout(TextLayouts Value) {
        WriteSetting([&] { SetTextLayout(static_cast<TTextLayout>(Value)); });
    }
    void setTextColor(int Value) {
        WriteSetting([&] { SetTextColor(Value); });
    }
    void setAutoWidth(bool Value) {
        WriteSetting([&] { SetAutoWidth(Value); });
    }
    void setHMargin(int Value) {
        WriteSetting([&] { SetHMargin(Value); });
    }
    void setQrLevel(QrLevels Value) {
        WriteSetting([&] { SetQrLevel(static_cast<TQrLevel>(Value)); });
    }
    void setQrVersion(int Value) {
        WriteSetting([&] { SetQrVersion(Value); });
    }
    void setDataMatrixShape(DataMatrixShapes Value) {
        WriteSetting([&] { SetDataMatrixShape(static_cast<TDataMatrixShape>(Value)); });
    }
    // Width is the columns, height the rows.
    void setDataMatrixSize(const QSize& Value) {
        WriteSetting([&] { SetDataMatrixSize(Value.height(), Value.width()); });
    }
    void setDigitalLinkDomain(const QString& Value) {
        WriteSetting([&] { SetDigitalLinkDomain(Value.toStdString()); });
    }
    void setBearers(ITF14Bearers Value) {
        WriteSetting([&] { SetBearers(static_cast<TITF14Bearers>(Value)); });
    }
    void setBearerWidth(int Value) {
        WriteSetting([&] { SetBearerWidth(Value); });
    }
    void setDataBarSegments(int Value) {
        WriteSetting([&] { SetDataBarSegments(Value); });
    }
    void setAbout(const QString&) {}

signals:
    // Emitted with OnChange, after every change-triggered repaint that succeeded.
    void Changed();

protected:
    void Paint() override;

private:
    // Stores a new value and repaints at once; an equal value changes nothing.
    template <typename T> void Change(T& Field, T Value) {
        if (Field == Value)
            return;
        Field = Value;
        UpdateBarcode();
    }

    bool Horizontal() const { return IsHorizontal(FSettings.Orientation); }
    // Sets the long side to PatternWidth plus Margin, the frame inset and the border
    // allowance on both sides; returns it.
    int AdjustWidthTo(int PatternWidth, int Margin);
    [[noreturn]] void RaiseNotNumeric(const std::string& Value) const;
    // Raises Error, the engine's refusal of Value, for a two-dimensional type, and
    // RaiseNotNumeric's message for the others.
    [[noreturn]] void RaiseRefused(const std::string& Value, const std::exception_ptr& Error) const;
    // Raises ELimitError for a value that StartTooLong proves too long to draw.
    void RefuseTooLong(const std::string& Value) const;
    void SetDigitsOnlyBarCode(const std::string& Value);
    void SetFreeBarCode(const std::string& Value);

    // Calls a copy of Handler with the widget and Args, within the nesting bound. Gives
    // false when the handler deleted the widget, whose writer must then return at once.
    template <typename Handler, typename... Args>
    bool CallHandler(const char* Name, const Handler& Stored, Args&... Arguments);

    // Runs a C++ writer for Qt's property system: a failure goes to the error reporter and
    // the barcode settings return to what they were, so that the widget draws as before.
    void WriteSetting(const std::function<void()>& Setter) noexcept;
    BarTypes BarTypeProperty() const { return static_cast<BarTypes>(FSettings.BarType); }
    CheckSums CheckSumProperty() const { return static_cast<CheckSums>(FSettings.CheckSum); }
    Orientations OrientationProperty() const {
        return static_cast<Orientations>(FSettings.Orientation);
    }
    TextShows TextShowProperty() const { return static_cast<TextShows>(FSettings.TextShow); }
    TextPositions TextPositionProperty() const {
        return static_cast<TextPositions>(FSettings.TextPosition);
    }
    TextLayouts TextLayoutProperty() const {
        return static_cast<TextLayouts>(FSettings.TextLayout);
    }
    QrLevels QrLevelProperty() const { return static_cast<QrLevels>(FSettings.Matrix.QrLevel); }
    DataMatrixShapes DataMatrixShapeProperty() const {
        return static_cast<DataMatrixShapes>(FSettings.Matrix.DataMatrixShape);
    }
    QSize DataMatrixSizeProperty() const {
        return {FSettings.Matrix.DataMatrixColumns, FSettings.Matrix.DataMatrixRows};
    }
    ITF14Bearers BearersProperty() const { return static_cast<ITF14Bearers>(FSettings.Bearers); }
    QString DigitalLinkDomainProperty() const {
        return QString::fromStdString(FSettings.Matrix.DigitalLinkDomain);
    }
    QString BarCodeProperty() const;
    QString AboutProperty() const;

    TBarcodeSettings FSettings;
    // The last value Encoded made; renewed when the settings it was made of change.
    mutable std::shared_ptr<const TSymbolValue> FEncoded;
    bool FAutoWidth = false;
    TNotifyEvent FOnChange;
    TInvalidChar FOnInvalidChar;
};

// Each Qt enumeration ends where the engine's or the renderer's does, so that a value added
// there fails the build until it is named here too.
static_assert(TBarCode::bcCodeISSN + 1 == BarTypeCount);
static_assert(TBarCode::csModulo10 + 1 == CheckSumCount);
static_assert(TBarCode::toBottomTop + 1 == OrientationCount);
static_assert(TBarCode::tsBoth + 1 == TextShowCount);
static_assert(TBarCode::tpBottomCenter + 1 == TextPositionCount);
static_assert(TBarCode::tlStandard + 1 == TextLayoutCount);
static_assert(TBarCode::qlH + 1 == QrLevelCount);
static_assert(TBarCode::dsAny + 1 == DataMatrixShapeCount);
// TITF14Bearers has no count of its own; None is its last.
static_assert(TBarCode::bbNone == static_cast<int>(TITF14Bearers::None));

} // namespace quillmark
