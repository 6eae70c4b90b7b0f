#include "label_block.h"
#include "printable_area.h"
#include "template_database.h"

#include <quillmark/engine.h>

#include <gtest/gtest.h>

#include <string>

using namespace quillmark;

namespace {

const TTemplateDatabase& Database() {
    static const TTemplateDatabase Carried;
    return Carried;
}

constexpr double Tolerance = 1e-6; // mm

// Avery L7160's labels, less the markup margin the file gives them.
TEST(PrintableArea, AlignsInARectangleLessItsMarkupMargin) {
    const TLabelTemplate& Sheet = Database().Find("Avery L7160");
    const TLabelCell Cell = Cells(Sheet)[4];
    const double M = Sheet.MarkupMarginX;
    ASSERT_GT(M, 0);
    const double W = 20;
    const double H = 10;
    const double Left = Cell.X + M;
    const double Right = Cell.X + Cell.Width - M - W;
    const double Top = Cell.Y + M;
    const double Bottom = Cell.Y + Cell.Height - M - H;
    const double MidX = Cell.X + (Cell.Width - W) / 2;
    const double MidY = Cell.Y + (Cell.Height - H) / 2;
    struct Row {
        TLabelAlign Align;
        double X;
        double Y;
    };
    const Row Rows[] = {
        {TLabelAlign::Centre, MidX, MidY},         {TLabelAlign::Top, MidX, Top},
        {TLabelAlign::Bottom, MidX, Bottom},       {TLabelAlign::Left, Left, MidY},
        {TLabelAlign::Right, Right, MidY},         {TLabelAlign::TopLeft, Left, Top},
        {TLabelAlign::TopRight, Right, Top},       {TLabelAlign::BottomLeft, Left, Bottom},
        {TLabelAlign::BottomRight, Right, Bottom},
    };
    const TPrintableArea Area(Sheet, Cell);
    for (const Row& Each : Rows) {
        const auto Placed = Area.Place(W, H, Each.Align);
        ASSERT_TRUE(Placed) << static_cast<int>(Each.Align);
        EXPECT_NEAR(Placed->Left, Each.X, Tolerance) << static_cast<int>(Each.Align);
        EXPECT_NEAR(Placed->Top, Each.Y, Tolerance) << static_cast<int>(Each.Align);
    }
    EXPECT_FALSE(Area.Place(Cell.Width - 2 * M + 0.01, H, TLabelAlign::Centre));
    EXPECT_TRUE(Area.Place(Cell.Width - 2 * M, H, TLabelAlign::Centre));
}

TEST(PrintableArea, CentresACdBlockInTheRingBelowTheHole) {
    const TLabelTemplate& Sheet = Database().Find("Avery 5824");
    const TLabelCell Cell = Cells(Sheet)[0];
    const double M = Sheet.MarkupMarginX;
    const auto Placed = TPrintableArea(Sheet, Cell).Place(30, 10, TLabelAlign::Centre);
    ASSERT_TRUE(Placed);
    const double CentreY = Cell.Y + Sheet.Radius;
    const double Ring = ((Sheet.Hole + M) + (Sheet.Radius - M)) / 2;
    EXPECT_NEAR(Placed->Left + 15, Cell.X + Sheet.Radius, Tolerance);
    EXPECT_NEAR(Placed->Top + 5, CentreY + Ring, Tolerance);
}

// Lines of 4 mm (3 above the baseline, 1 below) follow at 1.2 times that: 4.8 mm.
TEST(LabelBlock, PutsTheLinesUnderTheSymbolCentredAcross) {
    const TLabelBlock Block = ArrangeBlock(30, 20, {{40, 3, 1}, {10, 3, 1}});
    EXPECT_NEAR(Block.Width, 40, Tolerance);
    EXPECT_NEAR(Block.Height, 20 + 2 * 4.8, Tolerance);
    EXPECT_NEAR(Block.SymbolLeft, 5, Tolerance);
    ASSERT_EQ(Block.Lines.size(), 2u);
    EXPECT_NEAR(Block.Lines[0].Left, 0, Tolerance);
    EXPECT_NEAR(Block.Lines[0].Baseline, 20 + 0.4 + 3, Tolerance);
    EXPECT_NEAR(Block.Lines[1].Left, 15, Tolerance);
    EXPECT_NEAR(Block.Lines[1].Baseline, 20 + 4.8 + 0.4 + 3, Tolerance);
    const TLabelBlock Bare = ArrangeBlock(30, 20, {});
    EXPECT_NEAR(Bare.Height, 20, Tolerance);
    EXPECT_NEAR(Bare.SymbolLeft, 0, Tolerance);
}

TEST(LabelAlign, ReadsItsNamesInAnyCaseAndRefusesOthers) {
    EXPECT_EQ(LabelAlignFromName("center"), TLabelAlign::Centre);
    EXPECT_EQ(LabelAlignFromName("Bottom-Right"), TLabelAlign::BottomRight);
    EXPECT_EQ(LabelAlignFromName("TOP-LEFT"), TLabelAlign::TopLeft);
    try {
        LabelAlignFromName("middle");
        ADD_FAILURE() << "took middle";
    } catch (const Exception& Error) {
        EXPECT_NE(std::string(Error.what()).find("'middle'"), std::string::npos);
        EXPECT_NE(std::string(Error.what()).find("bottom-right"), std::string::npos);
    }
}

} // namespace
