// Which settings a symbology takes, read from the engine's facts about it: the studio's
// options pane offers these and no others, and the command line refuses the rest.
#pragma once

#include <quillmark/quillmark_layout_export.h>

#include <quillmark/engine.h>

namespace quillmark {

struct TTypeOptions {
    bool Ratio = false;          // the wide-to-narrow ratio is free (files draw it as set)
    bool CheckDigits = false;    // a check digit the engine may add or complete
    bool BarHeight = false;      // the bars' length; grids and GS1 DataBar's rows fix their own
    bool AddOn = false;          // EAN/UPC's two- or five-digit add-on
    bool QuietZoneMarks = false; // EAN/UPC's '<' and '>' marks
    bool QrOptions = false;      // error correction level and version
    bool DataMatrixSize = false;
    bool DigitalLinkDomain = false;
    bool DataBarSegments = false;
    bool Bearers = false; // ITF-14's bearer bars
    // A bar width reduction: rows of bars, not a matrix's modules, which ink spreads round
    // in both directions.
    bool BarWidthReduction = false;
};

QUILLMARK_LAYOUT_EXPORT TTypeOptions OptionsOf(TBarType Type);

} // namespace quillmark
