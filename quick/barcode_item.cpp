#include "barcode_item.h"

#include <quillmark/engine.h>
#include <quillmark/error_messages.h>
#include <quillmark/latin1.h>

#include <QGuiApplication>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGRectangleNode>
#include <QtQml/qqmlinfo.h>

#include <cmath>
#include <memory>

namespace quillmark {

namespace {

// QML carries any integer into an enumeration property; one outside it is refused where it
// is written, with a warning at that line of QML, and the old value stays.
bool Refused(const QQuickItem* Item, int Value, int Count, const char* Property) {
    if (Value >= 0 && Value < Count)
        return false;
    qmlWarning(Item) << Value << " is not a value of " << Property;
    return true;
}

} // namespace

TBarcodeItem::TBarcodeItem(QQuickItem* parent) : QQuickItem(parent) {
    setFlag(ItemHasContents);
}

template <typename T>
void TBarcodeItem::Change(T& Field, const T& Value, void (TBarcodeItem::*Notify)()) {
    if (Field == Value)
        return;
    Field = Value;
    emit(this->*Notify)();
    Redraw();
}

void TBarcodeItem::setType(const QString& Value) {
    const TTextShow shown = ItemTextShow(FSettings);
    Change(FSettings.Type, Value.toStdString(), &TBarcodeItem::typeChanged);
    if (ItemTextShow(FSettings) != shown)
        emit textShowChanged();
}

void TBarcodeItem::setValue(const QString& Value) {
    Change(FSettings.Value, Value, &TBarcodeItem::valueChanged);
}

TBarcodeItem::CheckSum TBarcodeItem::checkSum() const {
    return static_cast<CheckSum>(FSettings.CheckDigits);
}

void TBarcodeItem::setCheckSum(CheckSum Value) {
    if (!Refused(this, Value, CheckDigitsCount, "checkSum"))
        Change(FSettings.CheckDigits, static_cast<TCheckDigits>(Value),
               &TBarcodeItem::checkSumChanged);
}

void TBarcodeItem::setRatio(double Value) {
    Change(FSettings.Ratio, Value, &TBarcodeItem::ratioChanged);
}

void TBarcodeItem::setModuleWidth(double Value) {
    Change(FSettings.ModuleWidth, Value, &TBarcodeItem::moduleWidthChanged);
}

void TBarcodeItem::setBarHeight(double Value) {
    Change(FSettings.BarHeight, Value, &TBarcodeItem::barHeightChanged);
}

void TBarcodeItem::setOrientation(Orientation Value) {
    if (!Refused(this, Value, OrientationCount, "orientation"))
        Change(FSettings.Look.Orientation, static_cast<TOrientation>(Value),
               &TBarcodeItem::orientationChanged);
}

void TBarcodeItem::setTextShow(TextShow Value) {
    if (Refused(this, Value, TextShowCount, "textShow"))
        return;
    const TTextShow shown = ItemTextShow(FSettings);
    FSettings.TextShowGiven = true;
    FSettings.Look.TextShow = static_cast<TTextShow>(Value);
    if (FSettings.Look.TextShow == shown)
        return;
    emit textShowChanged();
    Redraw();
}

void TBarcodeItem::setTextPosition(TextPosition Value) {
    if (!Refused(this, Value, TextPositionCount, "textPosition"))
        Change(FSettings.Look.TextPosition, static_cast<TTextPosition>(Value),
               &TBarcodeItem::textPositionChanged);
}

void TBarcodeItem::setTextLayout(TextLayout Value) {
    if (!Refused(this, Value, TextLayoutCount, "textLayout"))
        Change(FSettings.Look.TextLayout, static_cast<TTextLayout>(Value),
               &TBarcodeItem::textLayoutChanged);
}

void TBarcodeItem::setFont(const QFont& Value) {
    Change(FSettings.Font, Value, &TBarcodeItem::fontChanged);
}

void TBarcodeItem::setForeground(const QColor& Value) {
    Change(FSettings.Foreground, Value, &TBarcodeItem::foregroundChanged);
}

void TBarcodeItem::setBackground(const QColor& Value) {
    Change(FSettings.Background, Value, &TBarcodeItem::backgroundChanged);
}

void TBarcodeItem::setQuietZone(bool Value) {
    Change(FSettings.QuietZone, Value, &TBarcodeItem::quietZoneChanged);
}

void TBarcodeItem::setErrorCorrection(ErrorCorrection Value) {
    if (!Refused(this, Value, QrLevelCount, "errorCorrection"))
        Change(FSettings.Matrix.QrLevel, static_cast<TQrLevel>(Value),
               &TBarcodeItem::errorCorrectionChanged);
}

void TBarcodeItem::setQrVersion(int Value) {
    Change(FSettings.Matrix.QrVersion, Value, &TBarcodeItem::qrVersionChanged);
}

void TBarcodeItem::setDataMatrixShape(DataMatrixShape Value) {
    if (!Refused(this, Value, DataMatrixShapeCount, "dataMatrixShape"))
        Change(FSettings.Matrix.DataMatrixShape, static_cast<TDataMatrixShape>(Value),
               &TBarcodeItem::dataMatrixShapeChanged);
}

void TBarcodeItem::setDataMatrixSize(const QSize& Value) {
    if (Value == dataMatrixSize())
        return;
    // Both at once: one redraw, never a size with only one side.
    FSettings.Matrix.DataMatrixRows = Value.height();
    FSettings.Matrix.DataMatrixColumns = Value.width();
    emit dataMatrixSizeChanged();
    Redraw();
}

void TBarcodeItem::setDigitalLinkDomain(const QString& Value) {
    Change(FSettings.Matrix.DigitalLinkDomain, Value.toStdString(),
           &TBarcodeItem::digitalLinkDomainChanged);
}

void TBarcodeItem::setBearers(Bearers Value) {
    if (!Refused(this, Value, NoBearers + 1, "bearers"))
        Change(FSettings.Look.Bearers, static_cast<TITF14Bearers>(Value),
               &TBarcodeItem::bearersChanged);
}

void TBarcodeItem::setBearerWidth(int Value) {
    Change(FSettings.Look.BearerModules, Value, &TBarcodeItem::bearerWidthChanged);
}

void TBarcodeItem::setDataBarSegments(int Value) {
    Change(FSettings.Matrix.DataBarSegments, Value, &TBarcodeItem::dataBarSegmentsChanged);
}

double TBarcodeItem::DevicePixelRatio() const {
    if (const QQuickWindow* view = window())
        return view->effectiveDevicePixelRatio();
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

void TBarcodeItem::Redraw() noexcept {
    // A QML file sets its properties one by one: the symbol is drawn once they all are.
    if (!isComponentComplete())
        return;
    const TItemSymbol before = FSymbol;
    const QString error = FError;
    try {
        try {
            FSymbol = DrawItemSymbol(FSettings, DevicePixelRatio());
            FError.clear();
        } catch (const ENotLatin1& failure) {
            FSymbol = {};
            FError = QString::fromStdString(failure.Message()); // UTF-8, to show the character
        } catch (const Exception& failure) {
            FSymbol = {};
            // A long value is quoted by its start and its length.
            const std::string message =
                FSettings.Value.size() > static_cast<qsizetype>(QuotedValueLimit)
                    ? ShortenedMessage(failure.Message(), FSettings.Value.toLatin1().toStdString())
                    : failure.Message();
            FError = QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()));
        } catch (const std::exception& failure) {
            FSymbol = {};
            FError = QString::fromLocal8Bit(failure.what());
        }
    } catch (...) {
        FSymbol = {};
        FError = QStringLiteral("Unknown error while drawing the barcode.");
    }
    FImageChanged = true;
    const QSizeF natural = FSymbol.Image.deviceIndependentSize();
    setImplicitSize(natural.width(), natural.height());
    if (error.isEmpty() != FError.isEmpty())
        emit validChanged();
    if (error != FError)
        emit errorStringChanged();
    if (before.Carried != FSymbol.Carried)
        emit carriedChanged();
    if (before.Findings != FSymbol.Findings)
        emit findingsChanged();
    update();
}

void TBarcodeItem::componentComplete() {
    QQuickItem::componentComplete();
    Redraw();
}

void TBarcodeItem::itemChange(ItemChange Change, const ItemChangeData& Data) {
    QQuickItem::itemChange(Change, Data);
    // Bars are whole device pixels of the window the item is on.
    if (Change == ItemDevicePixelRatioHasChanged || (Change == ItemSceneChange && Data.window))
        Redraw();
}

void TBarcodeItem::geometryChange(const QRectF& NewGeometry, const QRectF& OldGeometry) {
    QQuickItem::geometryChange(NewGeometry, OldGeometry);
    update(); // the symbol stays centred
}

QSGNode* TBarcodeItem::updatePaintNode(QSGNode* Old, UpdatePaintNodeData*) {
    QQuickWindow* view = window();
    if (view == nullptr)
        return Old;
    // The background fills the item and the symbol's image lies over it, both on whole
    // device pixels of the window, so that no edge is blended and each pixel of the image is
    // one of the window's.
    const double ratio = DevicePixelRatio();
    const QPointF origin = mapToScene(QPointF(0, 0));
    const auto snapped = [&](const QPointF& Point) {
        const QPointF scene = origin + Point;
        return QPointF(std::round(scene.x() * ratio), std::round(scene.y() * ratio)) / ratio -
               origin;
    };
    auto* background = static_cast<QSGRectangleNode*>(Old);
    if (background == nullptr)
        background = view->createRectangleNode();
    background->setRect(QRectF(snapped({0, 0}), snapped({width(), height()})));
    background->setColor(FSettings.Background);

    auto* symbol = static_cast<QSGImageNode*>(background->firstChild());
    if (FSymbol.Image.isNull()) {
        if (symbol != nullptr) {
            background->removeChildNode(symbol);
            std::unique_ptr<QSGImageNode> removed(symbol);
        }
        return background;
    }
    if (symbol == nullptr) {
        symbol = view->createImageNode();
        symbol->setFiltering(QSGTexture::Nearest);
        symbol->setOwnsTexture(true);
        FImageChanged = true;
    }
    if (FImageChanged) {
        symbol->setTexture(view->createTextureFromImage(FSymbol.Image));
        FImageChanged = false;
    }
    // Appended only once it has its texture: a renderer that finds an image node without
    // one dereferences the missing texture.
    if (symbol->parent() == nullptr)
        background->appendChildNode(symbol);
    // Centred in the item.
    const QSizeF size = FSymbol.Image.deviceIndependentSize();
    symbol->setRect(
        QRectF(snapped(QPointF(width() - size.width(), height() - size.height()) / 2), size));
    return background;
}

} // namespace quillmark
