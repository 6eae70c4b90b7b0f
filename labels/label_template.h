#pragma once

#include <string>
#include <vector>

namespace quillmark::labels {

// Every length below is in millimetres; positions are measured from the page's top-left corner.

enum class LabelShape { Rectangle, Round, Ellipse, Cd, Path, Continuous };

// nx by ny labels, the first at (x0, y0), the next ones dx across and dy down.
struct LabelLayout {
    int nx = 1;
    int ny = 1;
    double x0 = 0;
    double y0 = 0;
    double dx = 0;
    double dy = 0;
};

struct LabelTemplate {
    std::string brand;
    std::string part;
    std::string description;
    // The paper's name from paper-sizes.xml, "Other" for a sheet of its own size, "roll" for
    // a label printer's roll (whose page is one label high and the roll wide).
    std::string paperName;
    double pageWidth = 0;
    double pageHeight = 0;
    LabelShape shape = LabelShape::Rectangle;
    // The label's extent: a round or CD label's is its diameter unless the file clips it; a
    // path's is its outline's bounding box; a continuous label's height is its default length.
    double width = 0;
    double height = 0;
    // The corner radius of a rectangle, the outer radius of a round or CD label.
    double radius = 0;
    double hole = 0; // a CD label's centre hole radius
    double xWaste = 0;
    double yWaste = 0;
    double markupMarginX = 0;
    double markupMarginY = 0;
    std::vector<LabelLayout> layouts;
    // The part whose layout this one shares (the file's equiv), empty when it has its own.
    std::string equivalentOf;

    std::string name() const { return brand + " " + part; }
    bool isRoll() const { return paperName == "roll"; }
};

// A label's place on its page.
struct LabelCell {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// Every label of the page, layout by layout, row by row, left to right.
std::vector<LabelCell> cells(const LabelTemplate& sheet);

} // namespace quillmark::labels
