// A PDF of many pages of labels: symbols, lines of text and label outlines placed in
// millimetres from each page's top-left corner, written to its file a page at a time so that
// memory stays that of one page however many there are, and the file appears whole or not
// at all.
#pragma once

#include <quillmark/quillmark_output_export.h>

#include <quillmark/inks.h>
#include <quillmark/layout.h>

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <memory>
#include <string>

namespace quillmark {

// The extent of a line of text as the document sets it, in millimetres.
struct TTextExtent {
    double Width = 0;
    double Ascent = 0;
    double Descent = 0;
};
QUILLMARK_OUTPUT_EXPORT TTextExtent MeasureText(const QString& Text, const QFont& Font);

// Used from one thread: the glyphs it shares come from that thread's fonts. Misuse (a
// symbol outside a page, a page inside another) raises Exception saying what to do.
class QUILLMARK_OUTPUT_EXPORT TSheetDocument {
public:
    // A document that becomes FileName at Finish, with Title in its information; raises
    // EWriteError when its temporary file can't be made.
    TSheetDocument(const std::string& FileName, const std::string& Title);
    ~TSheetDocument(); // without Finish, no file is left and an existing one stays
    TSheetDocument(const TSheetDocument&) = delete;
    TSheetDocument& operator=(const TSheetDocument&) = delete;

    void BeginPage(double WidthMM, double HeightMM);
    // A vector layout (VectorLayout, TPreparedSymbol::Vector) at its true size, its whole
    // picture's top-left corner (quiet zones included) at (LeftMM, TopMM).
    void Symbol(const TOutputLayout& Layout, double LeftMM, double TopMM);
    // Text in Font (its point size is the size on paper), its baseline starting at
    // (LeftMM, BaselineMM), in Ink: black, as CMYK where it has a CMYK colour.
    void Text(const QString& Text, const QFont& Font, double LeftMM, double BaselineMM,
              const TInk& Ink = TInk{});
    // A thin outline of Shape, in millimetres: a label's edge for a test print (0.1 mm,
    // mid grey).
    void Outline(const QPainterPath& ShapeMM);
    // The page so far within AreaMM as a greyscale picture at Dpi, drawn from what the page
    // holds: for reading a label back where it sits.
    QImage Raster(const QRectF& AreaMM, int Dpi) const;
    void EndPage();
    // Ends a page still open, writes the rest and gives the file its name; raises
    // EWriteError, and Exception for a document without pages.
    void Finish();
    int Pages() const;

private:
    struct TState;
    std::unique_ptr<TState> state_;
};

} // namespace quillmark
