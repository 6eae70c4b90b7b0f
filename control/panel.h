// The panel that the barcode widget stands on: bevels, a border band, an optional frame,
// a background colour and a font, painted into a canvas image that the widget owns and
// shows. The canvas holds only the part of the client area that can be seen, so its memory
// follows what is shown rather than the widget's size, in the screen's device pixels.
#pragma once

#include <quillmark/quillmark_widgets_export.h>

#include <quillmark/control_types.h>
#include <quillmark/placement.h>

#include <QFont>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace quillmark {

class QUILLMARK_WIDGETS_EXPORT TCustomPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Alignments Alignment READ AlignmentProperty WRITE setAlignment)
    Q_PROPERTY(BevelCuts BevelInner READ BevelInnerProperty WRITE setBevelInner)
    Q_PROPERTY(BevelCuts BevelOuter READ BevelOuterProperty WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(BorderStyles BorderStyle READ BorderStyleProperty WRITE setBorderStyle)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE setCtl3D)
    Q_PROPERTY(int Color READ Color WRITE setColor)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(int FontColor READ FontColor WRITE setFontColor)

public:
    // The panel enumerations as Qt's meta-object system sees them, value for value.
    enum Alignments : std::uint8_t {
        taLeftJustify = quillmark::taLeftJustify,
        taRightJustify = quillmark::taRightJustify,
        taCenter = quillmark::taCenter,
    };
    Q_ENUM(Alignments)
    enum BevelCuts : std::uint8_t {
        bvNone = quillmark::bvNone,
        bvLowered = quillmark::bvLowered,
        bvRaised = quillmark::bvRaised,
        bvSpace = quillmark::bvSpace,
    };
    Q_ENUM(BevelCuts)
    enum BorderStyles : std::uint8_t {
        bsNone = quillmark::bsNone,
        bsSingle = quillmark::bsSingle,
    };
    Q_ENUM(BorderStyles)

    explicit TCustomPanel(QWidget* parent = nullptr);

    // The enumeration writers raise Exception for a value outside the enumeration and keep
    // the old one.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    // At least 1; other values are ignored.
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    // At least 0; other values are ignored.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    QFont Font() const { return font(); }
    void SetFont(const QFont& Value) { setFont(Value); }
    // Qt fonts carry no colour, so the letters' colour is a property of its own.
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor Value);

    int Width() const { return width(); }
    void SetWidth(int Value) { resize(Value, height()); }
    int Height() const { return height(); }
    void SetHeight(int Value) { resize(width(), Value); }

    // BorderWidth, plus BevelWidth for each bevel that is not bvNone.
    int FrameInset() const;
    // Both sides of the frame that bsSingle draws around the client area: 4 with Ctl3D,
    // 2 without, 0 for bsNone.
    int BorderAllowance() const;
    // The size, frame and alignment that place a symbol.
    TFrame PanelFrame() const {
        return {width(), height(), FrameInset(), BorderAllowance(), FAlignment};
    }
    // The client area's size: the outer size less the border allowance.
    QSize ClientSize() const;

    // Paints the control into its canvas at once and shows it; errors leave as exceptions.
    void Repaint();

    // Qt-style writers: the properties' writers for Qt's property system, which uic calls
    // for Designer forms (set + the property's name). They never throw: a failure goes to
    // the error reporter and the old value stays.
    void setAlignment(Alignments Value) {
        WriteProperty([&] { SetAlignment(static_cast<TAlignment>(Value)); });
    }
    void setBevelInner(BevelCuts Value) {
        WriteProperty([&] { SetBevelInner(static_cast<TBevelCut>(Value)); });
    }
    void setBevelOuter(BevelCuts Value) {
        WriteProperty([&] { SetBevelOuter(static_cast<TBevelCut>(Value)); });
    }
    void setBevelWidth(int Value) { SetBevelWidth(Value); }
    void setBorderWidth(int Value) { SetBorderWidth(Value); }
    void setBorderStyle(BorderStyles Value) {
        WriteProperty([&] { SetBorderStyle(static_cast<TBorderStyle>(Value)); });
    }
    void setCtl3D(bool Value) { SetCtl3D(Value); }
    void setColor(int Value) { SetColor(Value); }
    void setFontColor(int Value) { SetFontColor(Value); }

    // The part of the client area, in client coordinates, that the canvas holds now.
    QRect CanvasRect() const { return FCanvasRect; }

    // Largest canvas, in pixels, that one paint event paints into; a larger request is
    // painted in bands of rows.
    static constexpr long long MaxBandPixels = 4 << 20;

protected:
    // Paints the panel (outer bevel, border band, inner bevel, background) into the canvas,
    // first fitting the canvas to the part of the client area to keep. Raises ELimitError
    // when even that part can't be allocated.
    virtual void Paint();
    // The canvas's pixel (0, 0) shows the client-area point CanvasRect().topLeft(): paint
    // with client coordinates less that origin.
    QImage& Canvas() { return FCanvas; }

    // The canvas no longer matches the state; the next windowing-system paint redraws it.
    void MarkCanvasStale() { FCanvasState = CanvasState::Stale; }
    // Marks the canvas stale and asks the windowing system for a paint.
    void InvalidateCanvas();

    void paintEvent(QPaintEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    // Stores a new value and has the panel redrawn later; an equal value changes nothing.
    template <typename T> void Change(T& Field, T Value) {
        if (Field == Value)
            return;
        Field = Value;
        InvalidateCanvas();
    }

    // Fresh: the canvas shows the current state. ShowOnce: a synchronous paint failed and
    // its caller got the error, so the next paint event shows the canvas as it stands (or
    // paints again without reporting) instead of raising the same error a second time.
    enum class CanvasState { Stale, Fresh, ShowOnce };

    // Qt's property system expects no exceptions: a failing write goes to the error
    // reporter instead.
    void WriteProperty(const std::function<void()>& Setter) noexcept;
    Alignments AlignmentProperty() const { return static_cast<Alignments>(FAlignment); }
    BevelCuts BevelInnerProperty() const { return static_cast<BevelCuts>(FBevelInner); }
    BevelCuts BevelOuterProperty() const { return static_cast<BevelCuts>(FBevelOuter); }
    BorderStyles BorderStyleProperty() const { return static_cast<BorderStyles>(FBorderStyle); }

    // The part of the client area that the windowing system can show: the visible part of
    // the widget, within the screens. Empty while the widget is hidden.
    QRect ShownClientRect() const;
    // A rectangle in widget coordinates as client coordinates, within the client area.
    QRect ClientRectOf(const QRect& WidgetRect) const;
    void PrepareCanvas();
    // Paints Needed (client coordinates) in bands of at most MaxBandPixels and shows each;
    // reports the first failure unless Quiet.
    void PaintBands(const QRect& Needed, bool Quiet);
    // Draws the frame, and the canvas where its part of the client area lies.
    void ShowCanvas();
    void DrawFrame(QPainter& Painter) const;

    TAlignment FAlignment = quillmark::taCenter;
    TBevelCut FBevelInner = quillmark::bvNone;
    TBevelCut FBevelOuter = quillmark::bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = quillmark::bsNone;
    bool FCtl3D = true;
    TColor FColor = 0;
    TColor FFontColor = clBlack;
    QImage FCanvas;
    QRect FCanvasRect;   // the part of the client area the canvas holds
    QSize FCanvasClient; // the client size the canvas was painted for
    QRect FRequested;    // the band a paint event paints, while it paints
    CanvasState FCanvasState = CanvasState::Stale;
};

} // namespace quillmark
