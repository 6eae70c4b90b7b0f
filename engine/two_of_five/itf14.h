// ITF-14: a GTIN-14 drawn in Interleaved 2 of 5 inside bearer bars, and the facts a drawing
// of it takes from the GS1 general standard (section 5.3, ITF-14, and its symbol table 2,
// general distribution scanning).
#pragma once

#include <quillmark/quillmark_engine_export.h>

#include <string>

namespace quillmark {

// Where the bearer bars stand: a frame round the bars and their quiet zones (required where
// the symbol is printed with plates), a bar above and one below, or none.
enum class TITF14Bearers { Frame, TopAndBottom, None };

struct TITF14Facts {
    int Digits;             // a GTIN-14, check digit last
    double RatioLower;      // wide to narrow, 2.25:1 ...
    double RatioUpper;      // ... to 3:1
    double RatioDefault;    // 2.5:1 nominal
    double ModuleMinMM;     // X dimension, smallest in table 2
    double ModuleMaxMM;     // X dimension, largest (the 100 % symbol)
    double ModuleDefaultMM; // the target X
    int QuietZoneModules;   // each side, at least 10X
    double BarHeightMM;     // smallest bar height in general distribution, 1.25 in
    int BearerMinModules;   // bearer bar thickness, at least 2X
    double BearerDefaultMM; // nominal bearer bar for plate printing, 0.19 in
    TITF14Bearers BearersDefault;
};

inline constexpr TITF14Facts ITF14Facts{
    .Digits = 14,
    .RatioLower = 2.25,
    .RatioUpper = 3.0,
    .RatioDefault = 2.5,
    .ModuleMinMM = 0.495,
    .ModuleMaxMM = 1.016,
    .ModuleDefaultMM = 1.016,
    .QuietZoneModules = 10,
    .BarHeightMM = 31.75,
    .BearerMinModules = 2,
    .BearerDefaultMM = 4.83,
    .BearersDefault = TITF14Bearers::Frame,
};

// The bearer bars' default thickness in modules: the nominal plate-printing bearer at the
// target X, in whole modules so that every resolution draws it alike.
inline constexpr int ITF14BearerDefaultModules =
    static_cast<int>(ITF14Facts.BearerDefaultMM / ITF14Facts.ModuleDefaultMM + 0.5);
static_assert(ITF14BearerDefaultModules >= ITF14Facts.BearerMinModules);

// The thickest bearer bars drawn, in modules: far past any plate's needs, and small enough
// that no module size makes them overflow a picture's coordinates.
inline constexpr int ITF14BearerMostModules = 100;

// The 14 digits ITF-14 carries for a value as users type it (alone or after "(01)"): 13 digits get
// their GS1 check digit, 14 have it checked. Raises Exception for anything else, naming the right
// check digit for a wrong one.
QUILLMARK_ENGINE_EXPORT std::string ITF14Value(const std::string& Value);

// The module pattern of ITF14Value(Value) by the Interleaved 2 of 5 encoder; the wide to
// narrow ratio goes in at the element widths, as for Interleaved 2 of 5, clamped to
// ITF14Facts' range where the catalogue gives the type its row.
QUILLMARK_ENGINE_EXPORT void EncodeITF14(const std::string& Value, std::string& Pattern);

} // namespace quillmark
