#pragma once

#include <string>
#include <vector>

namespace quillmark {

// Every length below is in millimetres; positions are measured from the page's top-left corner.

enum class TLabelShape { Rectangle, Round, Ellipse, Cd, Path, Continuous };

// nx by ny labels, the first at (x0, y0), the next ones dx across and dy down.
struct TLabelLayout {
    int Nx = 1;
    int Ny = 1;
    double X0 = 0;
    double Y0 = 0;
    double Dx = 0;
    double Dy = 0;
};

struct TLabelTemplate {
    std::string Brand;
    std::string Part;
    std::string Description;
    // The paper's name from paper-sizes.xml, "Other" for a sheet of its own size, "roll" for
    // a label printer's roll (whose page is one label high and the roll wide).
    std::string PaperName;
    double PageWidth = 0;
    double PageHeight = 0;
    TLabelShape Shape = TLabelShape::Rectangle;
    // The label's extent: a round or CD label's is its diameter unless the file clips it; a
    // path's is its outline's bounding box; a continuous label's height is its default length.
    double Width = 0;
    double Height = 0;
    // The corner radius of a rectangle, the outer radius of a round or CD label.
    double Radius = 0;
    double Hole = 0; // a CD label's centre hole radius
    double XWaste = 0;
    double YWaste = 0;
    double MarkupMarginX = 0;
    double MarkupMarginY = 0;
    std::vector<TLabelLayout> Layouts;
    // The part whose layout this one shares (the file's equiv), empty when it has its own.
    std::string EquivalentOf;

    std::string Name() const { return Brand + " " + Part; }
    bool IsRoll() const { return PaperName == "roll"; }
};

// A label's place on its page.
struct TLabelCell {
    double X = 0;
    double Y = 0;
    double Width = 0;
    double Height = 0;
};

// Every label of the page, layout by layout, row by row, left to right.
std::vector<TLabelCell> Cells(const TLabelTemplate& sheet);

} // namespace quillmark
