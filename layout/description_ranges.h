// The physical sizes a barcode description accepts and the ones it starts from, each with
// its unit in its name: the layout checks them, and the command line, its help, the export
// dialog and the QML item take their bounds and defaults from here.
#pragma once

namespace quillmark {

// The narrow module asked for; 0 stands for the symbology's standard X.
inline constexpr double MinXDimensionMM = 0.01;
inline constexpr double MaxXDimensionMM = 100;
// The X drawn where a symbology's standard names no nominal one.
inline constexpr double UsualXDimensionMM = 0.33;
// The same for a two-dimensional symbol (plain QR Code, Micro QR Code, Data Matrix): GS1's
// target for its two-dimensional symbols at retail point of sale, 1.5 times a linear
// symbol's 0.33 mm, so that plain and GS1 symbols come out alike.
inline constexpr double UsualMatrixXDimensionMM = 0.495;

// The bars' length; 0 stands for the symbology's standard height.
inline constexpr double MaxBarHeightMM = 5000;
// The least height a person may give: "0" would read as no bars rather than the standard.
inline constexpr double MinGivenBarHeightMM = 0.1;

// The resolution of raster output.
inline constexpr int MinDpi = 1;
inline constexpr int MaxDpi = 10000;
inline constexpr int DefaultDpi = 300;

// The font sizes files take, the same for every format: vector layouts choose a unit coarse
// enough for the largest, and a raster refuses text larger than its picture.
inline constexpr double MinFontSizePt = 0.1;
inline constexpr double MaxFontSizePt = 1000;
inline constexpr double DefaultFontSizePt = 8;
inline constexpr const char* DefaultFontFamily = "DejaVu Sans";

// A quiet zone given as a count of narrow modules at each end.
inline constexpr int MaxQuietZoneX = 1000;

// The wide-to-narrow ratios a person may ask for (the engine clamps them further per
// symbology), and the one files start from: mid-range for the symbologies whose ratio is free.
inline constexpr double MinRatio = 1;
inline constexpr double MaxRatio = 10;
inline constexpr double DefaultOutputRatio = 2.5;

} // namespace quillmark
