#include "label_fit.h"

#include <quillmark/decimal_text.h>
#include <quillmark/description_ranges.h>
#include <quillmark/module_grid.h>
#include <quillmark/print_fit.h>

#include <cmath>
#include <string>

namespace quillmark {
namespace {

// Halvings of the X-dimension range: well past the thousandths the message gives.
constexpr int FitSteps = 40;
constexpr double Thousandths = 1000;

std::string SizeText(double Width, double Height) {
    return DecimalText(Width, 3) + " x " + DecimalText(Height, 3) + " mm";
}

std::string LabelKind(const TLabelTemplate& Sheet) {
    switch (Sheet.Shape) {
    case TLabelShape::Round:
        return "round label";
    case TLabelShape::Ellipse:
        return "elliptical label";
    case TLabelShape::Cd:
        return "CD label, in its ring clear of the hole,";
    default:
        return "label";
    }
}

bool FitsAt(const TPrintableArea& Area, TLabelAlign Align, const TBarcodeDescription& Description,
            const std::shared_ptr<const TSymbolValue>& Value, double XMM,
            const std::vector<TTextExtent>& Lines) {
    TBarcodeDescription Smaller = Description;
    Smaller.XDimensionMM = XMM;
    return PlaceBlock(Area, Align, VectorLayout(Smaller, Value), Lines).has_value();
}

} // namespace

double LayoutWidthMM(const TOutputLayout& Layout) {
    return Layout.Size.width() / Layout.UnitsPerMM;
}

double LayoutHeightMM(const TOutputLayout& Layout) {
    return Layout.Size.height() / Layout.UnitsPerMM;
}

std::optional<TRectMM> PlaceBlock(const TPrintableArea& Area, TLabelAlign Align,
                                  const TOutputLayout& Layout,
                                  const std::vector<TTextExtent>& Lines) {
    const TLabelBlock Block = ArrangeBlock(LayoutWidthMM(Layout), LayoutHeightMM(Layout), Lines);
    return Area.Place(Block.Width, Block.Height, Align);
}

std::string LabelTooLargeMessage(const TLabelTemplate& Sheet, TLabelAlign Align,
                                 const TBarcodeDescription& Description,
                                 const TOutputLayout& Layout,
                                 const std::vector<TTextExtent>& Lines) {
    const TPrintableArea Area(Sheet, {0, 0, Sheet.Width, Sheet.Height});
    const TLabelBlock Block = ArrangeBlock(LayoutWidthMM(Layout), LayoutHeightMM(Layout), Lines);
    std::string Message = "The symbol is " +
                          SizeText(LayoutWidthMM(Layout), LayoutHeightMM(Layout)) +
                          " with its quiet zones";
    if (!Lines.empty())
        Message += ", " + SizeText(Block.Width, Block.Height) + " with its lines of text";
    Message += ", too large for the " + SizeText(Area.Bounds().Width, Area.Bounds().Height) +
               " printable area of " + Sheet.Name() + "'s " + LabelKind(Sheet) +
               " inside its markup margin";
    const TBarType Type = Description.Barcode.BarType;
    const bool Grid = IsTwoDimensional(Type);
    if (!FitsAt(Area, Align, Description, Layout.Value, MinXDimensionMM, Lines)) {
        // What does not shrink with the X-dimension: a row's bars and the lines of text.
        std::vector<std::string> Changes{"a larger label"};
        if (!Grid)
            Changes.push_back("lower bars");
        if (!Lines.empty())
            Changes.push_back("fewer lines of text");
        Message += "; no X-dimension makes it fit, so choose ";
        for (std::size_t i = 0; i < Changes.size(); ++i)
            Message += (i == 0 ? "" : i + 1 == Changes.size() ? " or " : ", ") + Changes[i];
        return Message + ".";
    }
    double Fits = MinXDimensionMM;
    double TooLarge = XDimensionOf(Description);
    for (int Step = 0; Step < FitSteps; ++Step) {
        const double Mid = (Fits + TooLarge) / 2;
        (FitsAt(Area, Align, Description, Layout.Value, Mid, Lines) ? Fits : TooLarge) = Mid;
    }
    const double Rounded = std::floor(Fits * Thousandths) / Thousandths;
    Message += "; an X-dimension of " + DecimalText(Rounded, 3) + " mm or less would fit it";
    if (Grid)
        Message += " (each module that wide), as would fewer characters";
    const TXRange Permitted = PermittedXRange(Type);
    if (Rounded < Permitted.MinimumMM)
        return Message + ", below the " + DecimalText(Permitted.MinimumMM, 3) +
               " mm its standard permits, so choose a larger label.";
    return Message + ".";
}

} // namespace quillmark
