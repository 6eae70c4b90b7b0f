// The symbol on screen at its true size, from the screen's physical resolution, magnified by
// whole pixels so that no module is ever blurred, its quiet zones tinted.
#pragma once

#include <quillmark/description.h>
#include <quillmark/symbol_value.h>

#include <QImage>
#include <QWidget>

#include <memory>

namespace quillmark::studio {

// The most a preview magnifies its true size.
inline constexpr int MostZoom = 16;

class TSymbolPreview : public QWidget {
    Q_OBJECT

public:
    explicit TSymbolPreview(QWidget* Parent = nullptr);

    // Draws Description's symbol from Value, its value already encoded. Raises the layout's
    // errors, leaving nothing shown.
    void Show(const TBarcodeDescription& Description, std::shared_ptr<const TSymbolValue> Value);
    void Clear();

    // Device pixels a module of the true size is magnified by: 1 to MostZoom.
    int Zoom() const { return FZoom; }
    void SetZoom(int Zoom);

    // The screen's device pixels per inch, from its physical size.
    double DevicePixelsPerInch() const;
    // Device pixels a narrow module takes as shown, zoom included; 0 with nothing shown.
    int ModulePixels() const { return FImage.isNull() ? 0 : FModule * FZoom; }
    // The picture as shown, in device pixels, quiet zones tinted.
    const QImage& Picture() const { return FImage; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    // The picture of Value at the screen's pixels now; raises the layout's errors.
    void Draw(const TBarcodeDescription& Description, std::shared_ptr<const TSymbolValue> Value);

    // What is shown, to draw again on another screen.
    TBarcodeDescription FDescription;
    std::shared_ptr<const TSymbolValue> FValue;
    double FPixelsPerInch = 0; // the screen's device pixels it was drawn for
    QImage FImage;             // at the true size, in device pixels
    int FModule = 0;
    int FZoom = 1;
};

} // namespace quillmark::studio
