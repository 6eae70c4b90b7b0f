// The QML type Barcode (import Quillmark): one symbol drawn as the files draw it, at the
// device pixels of its window. A setting that can't be drawn never raises into QML: the item
// shows its background and says why in errorString.
#pragma once

#include <quillmark/quillmark_quick_export.h>

#include <quillmark/item_symbol.h>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QQuickItem>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <cstdint>

namespace quillmark {

class QUILLMARK_QUICK_EXPORT TBarcodeItem : public QQuickItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(Barcode)
    Q_PROPERTY(QString type READ type WRITE setType NOTIFY typeChanged)
    Q_PROPERTY(QString value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(CheckSum checkSum READ checkSum WRITE setCheckSum NOTIFY checkSumChanged)
    Q_PROPERTY(double ratio READ ratio WRITE setRatio NOTIFY ratioChanged)
    Q_PROPERTY(double moduleWidth READ moduleWidth WRITE setModuleWidth NOTIFY moduleWidthChanged)
    Q_PROPERTY(double barHeight READ barHeight WRITE setBarHeight NOTIFY barHeightChanged)
    Q_PROPERTY(
        Orientation orientation READ orientation WRITE setOrientation NOTIFY orientationChanged)
    Q_PROPERTY(TextShow textShow READ textShow WRITE setTextShow NOTIFY textShowChanged)
    Q_PROPERTY(TextPosition textPosition READ textPosition WRITE setTextPosition NOTIFY
                   textPositionChanged)
    Q_PROPERTY(TextLayout textLayout READ textLayout WRITE setTextLayout NOTIFY textLayoutChanged)
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
    Q_PROPERTY(QColor foreground READ foreground WRITE setForeground NOTIFY foregroundChanged)
    // "transparent" (any colour of alpha 0) leaves the spaces and the text's box unpainted.
    Q_PROPERTY(QColor background READ background WRITE setBackground NOTIFY backgroundChanged)
    Q_PROPERTY(bool quietZone READ quietZone WRITE setQuietZone NOTIFY quietZoneChanged)
    Q_PROPERTY(ErrorCorrection errorCorrection READ errorCorrection WRITE setErrorCorrection NOTIFY
                   errorCorrectionChanged)
    Q_PROPERTY(int qrVersion READ qrVersion WRITE setQrVersion NOTIFY qrVersionChanged)
    Q_PROPERTY(DataMatrixShape dataMatrixShape READ dataMatrixShape WRITE setDataMatrixShape NOTIFY
                   dataMatrixShapeChanged)
    Q_PROPERTY(QSize dataMatrixSize READ dataMatrixSize WRITE setDataMatrixSize NOTIFY
                   dataMatrixSizeChanged)
    Q_PROPERTY(QString digitalLinkDomain READ digitalLinkDomain WRITE setDigitalLinkDomain NOTIFY
                   digitalLinkDomainChanged)
    Q_PROPERTY(Bearers bearers READ bearers WRITE setBearers NOTIFY bearersChanged)
    Q_PROPERTY(int bearerWidth READ bearerWidth WRITE setBearerWidth NOTIFY bearerWidthChanged)
    Q_PROPERTY(int dataBarSegments READ dataBarSegments WRITE setDataBarSegments NOTIFY
                   dataBarSegmentsChanged)
    Q_PROPERTY(bool valid READ valid NOTIFY validChanged)
    Q_PROPERTY(QString errorString READ errorString NOTIFY errorStringChanged)
    Q_PROPERTY(QString carried READ carried NOTIFY carriedChanged)
    Q_PROPERTY(QStringList findings READ findings NOTIFY findingsChanged)

public:
    // QML names for the output's settings, value for value; QML wants them capitalised
    // and unique within the type.
    enum CheckSum : std::uint8_t {
        CheckAuto = static_cast<std::uint8_t>(TCheckDigits::Auto),
        CheckNone = static_cast<std::uint8_t>(TCheckDigits::None),
        CheckModulo10 = static_cast<std::uint8_t>(TCheckDigits::Mod10),
    };
    Q_ENUM(CheckSum)
    enum Orientation : std::uint8_t {
        LeftRight = toLeftRight,
        RightLeft = toRightLeft,
        TopBottom = toTopBottom,
        BottomTop = toBottomTop,
    };
    Q_ENUM(Orientation)
    enum TextShow : std::uint8_t {
        NoText = tsNone,
        ValueText = tsBarCode,
        TypeText = tsBarType,
        ValueAndTypeText = tsBoth,
    };
    Q_ENUM(TextShow)
    enum TextPosition : std::uint8_t {
        TopLeft = tpTopLeft,
        TopRight = tpTopRight,
        TopCenter = tpTopCenter,
        BottomLeft = tpBottomLeft,
        BottomRight = tpBottomRight,
        BottomCenter = tpBottomCenter,
    };
    Q_ENUM(TextPosition)
    enum TextLayout : std::uint8_t { OverBars = tlOverBars, Standard = tlStandard };
    Q_ENUM(TextLayout)
    enum ErrorCorrection : std::uint8_t {
        LevelL = static_cast<std::uint8_t>(TQrLevel::L),
        LevelM = static_cast<std::uint8_t>(TQrLevel::M),
        LevelQ = static_cast<std::uint8_t>(TQrLevel::Q),
        LevelH = static_cast<std::uint8_t>(TQrLevel::H),
    };
    Q_ENUM(ErrorCorrection)
    enum DataMatrixShape : std::uint8_t {
        SquareShape = static_cast<std::uint8_t>(TDataMatrixShape::Square),
        RectangleShape = static_cast<std::uint8_t>(TDataMatrixShape::Rectangle),
        AnyShape = static_cast<std::uint8_t>(TDataMatrixShape::Any),
    };
    Q_ENUM(DataMatrixShape)
    enum Bearers : std::uint8_t {
        FrameBearers = static_cast<std::uint8_t>(TITF14Bearers::Frame),
        TopAndBottomBearers = static_cast<std::uint8_t>(TITF14Bearers::TopAndBottom),
        NoBearers = static_cast<std::uint8_t>(TITF14Bearers::None),
    };
    Q_ENUM(Bearers)

    explicit TBarcodeItem(QQuickItem* parent = nullptr);

    QString type() const { return QString::fromStdString(FSettings.Type); }
    void setType(const QString& Value);
    QString value() const { return FSettings.Value; }
    void setValue(const QString& Value);
    CheckSum checkSum() const;
    void setCheckSum(CheckSum Value);
    double ratio() const { return FSettings.Ratio; }
    void setRatio(double Value);
    double moduleWidth() const { return FSettings.ModuleWidth; }
    void setModuleWidth(double Value);
    double barHeight() const { return FSettings.BarHeight; }
    void setBarHeight(double Value);
    Orientation orientation() const { return static_cast<Orientation>(FSettings.Look.Orientation); }
    void setOrientation(Orientation Value);
    TextShow textShow() const { return static_cast<TextShow>(ItemTextShow(FSettings)); }
    void setTextShow(TextShow Value);
    TextPosition textPosition() const {
        return static_cast<TextPosition>(FSettings.Look.TextPosition);
    }
    void setTextPosition(TextPosition Value);
    TextLayout textLayout() const { return static_cast<TextLayout>(FSettings.Look.TextLayout); }
    void setTextLayout(TextLayout Value);
    QFont font() const { return FSettings.Font; }
    void setFont(const QFont& Value);
    QColor foreground() const { return FSettings.Foreground; }
    void setForeground(const QColor& Value);
    QColor background() const { return FSettings.Background; }
    void setBackground(const QColor& Value);
    bool quietZone() const { return FSettings.QuietZone; }
    void setQuietZone(bool Value);

    // The two-dimensional symbols' options, which the others ignore; one a symbol can't be
    // made with shows as any refusal does, in errorString.
    ErrorCorrection errorCorrection() const {
        return static_cast<ErrorCorrection>(FSettings.Matrix.QrLevel);
    }
    void setErrorCorrection(ErrorCorrection Value);
    // 0 is the smallest version that holds the value.
    int qrVersion() const { return FSettings.Matrix.QrVersion; }
    void setQrVersion(int Value);
    DataMatrixShape dataMatrixShape() const {
        return static_cast<DataMatrixShape>(FSettings.Matrix.DataMatrixShape);
    }
    void setDataMatrixShape(DataMatrixShape Value);
    // Width the columns, height the rows; an empty size (0 x 0) the smallest of the shape.
    QSize dataMatrixSize() const {
        return {FSettings.Matrix.DataMatrixColumns, FSettings.Matrix.DataMatrixRows};
    }
    void setDataMatrixSize(const QSize& Value);
    QString digitalLinkDomain() const {
        return QString::fromStdString(FSettings.Matrix.DigitalLinkDomain);
    }
    void setDigitalLinkDomain(const QString& Value);

    // ITF-14's bearer bars and their thickness in modules (from 2), and GS1 DataBar Expanded
    // Stacked's segments in a row (even, 2 to 22); the other types ignore them. A thickness
    // or count out of range shows in errorString.
    Bearers bearers() const { return static_cast<Bearers>(FSettings.Look.Bearers); }
    void setBearers(Bearers Value);
    int bearerWidth() const { return FSettings.Look.BearerModules; }
    void setBearerWidth(int Value);
    int dataBarSegments() const { return FSettings.Matrix.DataBarSegments; }
    void setDataBarSegments(int Value);

    bool valid() const { return FError.isEmpty(); }
    QString errorString() const { return FError; }
    QString carried() const { return FSymbol.Carried; }
    QStringList findings() const { return FSymbol.Findings; }

signals:
    void typeChanged();
    void valueChanged();
    void checkSumChanged();
    void ratioChanged();
    void moduleWidthChanged();
    void barHeightChanged();
    void orientationChanged();
    void textShowChanged();
    void textPositionChanged();
    void textLayoutChanged();
    void fontChanged();
    void foregroundChanged();
    void backgroundChanged();
    void quietZoneChanged();
    void errorCorrectionChanged();
    void qrVersionChanged();
    void dataMatrixShapeChanged();
    void dataMatrixSizeChanged();
    void digitalLinkDomainChanged();
    void bearersChanged();
    void bearerWidthChanged();
    void dataBarSegmentsChanged();
    void validChanged();
    void errorStringChanged();
    void carriedChanged();
    void findingsChanged();

protected:
    void componentComplete() override;
    void itemChange(ItemChange Change, const ItemChangeData& Data) override;
    void geometryChange(const QRectF& NewGeometry, const QRectF& OldGeometry) override;
    QSGNode* updatePaintNode(QSGNode* Old, UpdatePaintNodeData* Data) override;

private:
    // Stores a new value, tells QML and redraws; an equal value changes nothing.
    template <typename T> void Change(T& Field, const T& Value, void (TBarcodeItem::*Notify)());
    // Draws the symbol for the settings at the window's device pixel ratio, or keeps the
    // reason it can't; never raises.
    void Redraw() noexcept;
    double DevicePixelRatio() const;

    TItemSettings FSettings;
    TItemSymbol FSymbol;
    QString FError;
    bool FImageChanged = false; // the scene graph's texture is older than FSymbol.Image
};

// Each QML enumeration ends where the output's does, so that a value added there is named
// here too.
static_assert(TBarcodeItem::CheckModulo10 + 1 == CheckDigitsCount);
static_assert(TBarcodeItem::BottomTop + 1 == OrientationCount);
static_assert(TBarcodeItem::ValueAndTypeText + 1 == TextShowCount);
static_assert(TBarcodeItem::BottomCenter + 1 == TextPositionCount);
static_assert(TBarcodeItem::Standard + 1 == TextLayoutCount);
static_assert(TBarcodeItem::LevelH + 1 == QrLevelCount);
static_assert(TBarcodeItem::AnyShape + 1 == DataMatrixShapeCount);
// TITF14Bearers has no count of its own; None is its last.
static_assert(TBarcodeItem::NoBearers == static_cast<int>(TITF14Bearers::None));

} // namespace quillmark
