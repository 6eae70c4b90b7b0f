// The symbol a QML Barcode item shows: its settings in the item's logical pixels turned into
// an output description at the window's device pixels, drawn by the output library as a PNG
// file would be, so that the item and the files never disagree.
#pragma once

#include <quillmark/quillmark_quick_export.h>

#include <quillmark/description.h>
#include <quillmark/module_grid.h>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include <string>

namespace quillmark {

// The files' font at the files' size.
QUILLMARK_QUICK_EXPORT QFont DefaultItemFont();

struct TItemSettings {
    // Any name FindBarType takes; the files' symbology by its identifier.
    std::string Type = BarTypeData(DefaultOutputSettings().BarType).Identifier;
    QString Value;
    TCheckDigits CheckDigits = TCheckDigits::Auto;
    double Ratio = DefaultOutputRatio;
    double ModuleWidth = 2; // logical pixels per narrow module
    double BarHeight = 0;   // logical pixels; 0 is the symbology's standard bar height
    // Reading direction and text as files draw them, from the files' defaults. Its colours
    // are not read: the item's come from Foreground and Background, which QML reads back as
    // it gave them.
    TLookSettings Look = DefaultOutputSettings();
    // Look.TextShow was written: until then the text follows the type as files' does (no
    // text beside a grid).
    bool TextShowGiven = false;
    QFont Font = DefaultItemFont();
    QColor Foreground = Qt::black;
    QColor Background = Qt::white;
    bool QuietZone = true; // the symbology's standard quiet zones, or none
    // The two-dimensional symbols' error correction, size and domain, and DataBar Expanded
    // Stacked's segments a row.
    TMatrixOptions Matrix;
};

struct TItemSymbol {
    QImage Image;         // device pixels, with the device pixel ratio recorded
    QString Carried;      // what a reader gets back; empty where that depends on the reader
    QStringList Findings; // the standards check, one sentence each
};

// The text Settings show: the one written, or the type's default.
QUILLMARK_QUICK_EXPORT TTextShow ItemTextShow(const TItemSettings& Settings);

// The description a raster file of the item's symbol would have at DevicePixelRatio: a
// logical pixel is 1/96 inch, as Qt takes it, so standard bar heights, quiet zones given in
// millimetres and point sizes keep their size on screen, while the module is a whole number
// of device pixels. Raises Exception for a setting no symbol can be drawn with.
QUILLMARK_QUICK_EXPORT TBarcodeDescription ItemDescription(const TItemSettings& Settings,
                                                           double DevicePixelRatio);

// The symbol, refused as a file would be for a value the engine rejects or the symbol would
// carry otherwise than given; raises the engine's and the output's errors.
QUILLMARK_QUICK_EXPORT TItemSymbol DrawItemSymbol(const TItemSettings& Settings,
                                                  double DevicePixelRatio);

} // namespace quillmark
