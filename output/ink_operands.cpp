#include "ink_operands.h"

#include "pdf_objects.h"

namespace quillmark {

std::string InkOperands(const TInk& Ink) {
    if (const std::optional<TCmyk>& cmyk = Ink.Cmyk) {
        constexpr double percent = 100;
        return pdf::Number(cmyk->C / percent) + ' ' + pdf::Number(cmyk->M / percent) + ' ' +
               pdf::Number(cmyk->Y / percent) + ' ' + pdf::Number(cmyk->K / percent);
    }
    const TColor rgb = Ink.Rgb;
    return pdf::Number((rgb & 0xFF) / 255.0) + ' ' + pdf::Number(((rgb >> 8) & 0xFF) / 255.0) +
           ' ' + pdf::Number(((rgb >> 16) & 0xFF) / 255.0);
}

} // namespace quillmark
