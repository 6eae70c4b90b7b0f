#include "sheet_plan.h"
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

// Avery L7160: 3 across, 7 down on A4.
TEST(SheetPlan, FillsTheCellsInOrderFromSkipPageAfterPage) {
    const TLabelTemplate& Sheet = Database().Find("Avery L7160");
    const auto All = Cells(Sheet);
    struct Row {
        std::uint64_t Skip;
        std::uint64_t Label; // counted from 0 in the run
        std::uint64_t Page;
        std::size_t Cell;
    };
    const Row Rows[] = {
        {0, 0, 0, 0}, {0, 20, 0, 20}, {0, 21, 1, 0}, {0, 49, 2, 7},
        {5, 0, 0, 5}, {5, 15, 0, 20}, {5, 16, 1, 0}, {20, 1, 1, 0},
    };
    for (const Row& Each : Rows) {
        TSheetPlan Plan(Sheet, Each.Skip);
        EXPECT_DOUBLE_EQ(Plan.PageWidth(), 210);
        EXPECT_DOUBLE_EQ(Plan.PageHeight(), 297);
        for (std::uint64_t i = 0; i < Each.Label; ++i)
            Plan.Next();
        const TLabelSlot Slot = Plan.Next();
        EXPECT_EQ(Slot.Page, Each.Page) << Each.Skip << " " << Each.Label;
        EXPECT_DOUBLE_EQ(Slot.Cell.X, All[Each.Cell].X) << Each.Skip << " " << Each.Label;
        EXPECT_DOUBLE_EQ(Slot.Cell.Y, All[Each.Cell].Y) << Each.Skip << " " << Each.Label;
    }
}

// A roll's page is its label, one label a page; a continuous tape's label its default length.
TEST(SheetPlan, GivesARollOneLabelAPageAtTheLabelsSize) {
    struct Row {
        std::string Name;
        double Width;
        double Height;
    };
    const Row Rows[] = {{"Dymo 30252", 28, 89}, {"Brother DK-2205", 61.98, 100}};
    for (const Row& Each : Rows) {
        const TLabelTemplate& Sheet = Database().Find(Each.Name);
        ASSERT_TRUE(PrintsOnePerPage(Sheet)) << Each.Name;
        TSheetPlan Plan(Sheet, 0);
        EXPECT_NEAR(Plan.PageWidth(), Each.Width, 1e-9) << Each.Name;
        EXPECT_NEAR(Plan.PageHeight(), Each.Height, 1e-9) << Each.Name;
        for (std::uint64_t Page = 0; Page < 3; ++Page) {
            const TLabelSlot Slot = Plan.Next();
            EXPECT_EQ(Slot.Page, Page) << Each.Name;
            EXPECT_EQ(Slot.Cell.X, 0) << Each.Name;
            EXPECT_EQ(Slot.Cell.Y, 0) << Each.Name;
            EXPECT_NEAR(Slot.Cell.Width, Each.Width, 1e-9) << Each.Name;
        }
    }
}

// Layouts whose data runs off the page keep the cells that lie on it.
TEST(SheetPlan, LeavesOutCellsOffThePage) {
    struct Row {
        std::string Name;
        std::size_t Cells; // of the template's, on its page
    };
    const Row Rows[] = {{"Avery L7160", 21}, {"Herma 4464", 16}, {"Rayfilm 7001", 6}};
    for (const Row& Each : Rows) {
        const TLabelTemplate& Sheet = Database().Find(Each.Name);
        const TSheetPlan Plan(Sheet, 0);
        EXPECT_EQ(Plan.PageCells().size(), Each.Cells) << Each.Name;
        for (const TLabelCell& Cell : Plan.PageCells()) {
            EXPECT_GE(Cell.X, -0.01) << Each.Name;
            EXPECT_LE(Cell.Y + Cell.Height, Sheet.PageHeight + 0.01) << Each.Name;
            EXPECT_LE(Cell.X + Cell.Width, Sheet.PageWidth + 0.01) << Each.Name;
        }
    }
}

TEST(SheetPlan, RefusesASkipThatLeavesNoLabelOnTheFirstPage) {
    struct Row {
        std::string Name;
        std::uint64_t Skip;
        std::string Says;
    };
    const Row Rows[] = {
        {"Avery L7160", 21, "skip at most 20"},
        {"Avery L7160", 1000, "holds 21 labels"},
        {"Dymo 30252", 1, "leave the skip at 0"},
    };
    for (const Row& Each : Rows) {
        try {
            TSheetPlan(Database().Find(Each.Name), Each.Skip);
            ADD_FAILURE() << Each.Name << " skipping " << Each.Skip;
        } catch (const Exception& Error) {
            EXPECT_NE(std::string(Error.what()).find(Each.Says), std::string::npos) << Error.what();
        }
    }
}

} // namespace
