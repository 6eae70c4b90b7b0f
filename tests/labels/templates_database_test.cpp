#include "template_database.h"

#include <quillmark/engine.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

using namespace quillmark;

namespace {

const TTemplateDatabase& database() {
    static const TTemplateDatabase carried;
    return carried;
}

// The entries the files hold, counted from their text rather than by the reader.
std::size_t templateElementsInFiles() {
    const std::regex element("<Template\\b");
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUILLMARK_LABEL_TEMPLATES_DIR)) {
        if (!entry.path().string().ends_with("-templates.xml")) {
            continue;
        }
        std::ifstream file(entry.path());
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        count += static_cast<std::size_t>(
            std::distance(std::sregex_iterator(text.begin(), text.end(), element), {}));
    }
    return count;
}

TEST(TemplateDatabase, LoadsEveryEntryOfTheCarriedFiles) {
    EXPECT_EQ(database().All().size(), templateElementsInFiles());
    EXPECT_EQ(database().All().size(), 1759u); // the README's count
    for (const TLabelTemplate& sheet : database().All()) {
        EXPECT_FALSE(sheet.Layouts.empty()) << sheet.Name();
        EXPECT_GT(sheet.Width, 0) << sheet.Name();
        EXPECT_GT(sheet.Height, 0) << sheet.Name();
    }
}

// Layouts of the carried files that run off their page by more than rounding: the data's
// own faults (a sheet's pitch or paper mistyped), kept as the files have them. Each is named
// by the part that carries the layout; its equivalents share it.
const std::set<std::string> overhangingLayouts{
    "Connect KF10647", "Endisch B200147A5", "Herma 4464",     "Herma 4620", "Hisago ELM024",
    "Hisago GB865",    "Hisago OP3005",     "Hisago OP3010",  "JAC 10542",  "JAC 5229",
    "PEARL VM-5217",   "Rayfilm 7001",      "Zweckform 3475",
};

// Rolls count too: a roll's page is the roll wide and one label long, a continuous roll's
// label its default length.
TEST(TemplateDatabase, EveryCellLiesInsideItsPage) {
    constexpr double rounding = 0.01; // mm; files round inch and point conversions
    std::set<std::string> overhanging;
    for (const TLabelTemplate& sheet : database().All()) {
        ASSERT_GT(sheet.PageWidth, 0) << sheet.Name();
        ASSERT_GT(sheet.PageHeight, 0) << sheet.Name();
        for (const TLabelCell& cell : Cells(sheet)) {
            if (cell.X < -rounding || cell.Y < -rounding ||
                cell.X + cell.Width > sheet.PageWidth + rounding ||
                cell.Y + cell.Height > sheet.PageHeight + rounding) {
                overhanging.insert(sheet.Brand + " " +
                                   (sheet.EquivalentOf.empty() ? sheet.Part : sheet.EquivalentOf));
            }
        }
    }
    EXPECT_EQ(overhanging, overhangingLayouts);
}

// avery-iso-templates.xml: L7160 is equiv="7160", whose label is 181.4 x 108.0 (points) on
// A4, nx="3" ny="7" x0="21.2" y0="43.9" dx="187.2" dy="108.0".
TEST(TemplateDatabase, AveryL7160HasTwentyOneCellsOnA4) {
    const TLabelTemplate& sheet = database().Find("Avery L7160");
    EXPECT_EQ(sheet.PaperName, "A4");
    EXPECT_DOUBLE_EQ(sheet.PageWidth, 210);
    EXPECT_DOUBLE_EQ(sheet.PageHeight, 297);
    EXPECT_EQ(sheet.Shape, TLabelShape::Rectangle);
    const auto all = Cells(sheet);
    ASSERT_EQ(all.size(), 21u);
    struct Expected {
        std::size_t index;
        double x, y;
    };
    constexpr double pt = 25.4 / 72;
    constexpr Expected expected[] = {
        {0, 21.2 * pt, 43.9 * pt},                              // top left
        {2, (21.2 + 2 * 187.2) * pt, 43.9 * pt},                // top right
        {3, 21.2 * pt, (43.9 + 108.0) * pt},                    // second row
        {20, (21.2 + 2 * 187.2) * pt, (43.9 + 6 * 108.0) * pt}, // bottom right
    };
    for (const auto& row : expected) {
        EXPECT_NEAR(all[row.index].X, row.x, 1e-9) << row.index;
        EXPECT_NEAR(all[row.index].Y, row.y, 1e-9) << row.index;
        EXPECT_NEAR(all[row.index].Width, 181.4 * pt, 1e-9);
        EXPECT_NEAR(all[row.index].Height, 108.0 * pt, 1e-9);
    }
    EXPECT_NEAR(all[20].X, 139.559, 1e-3); // mm, as a ruler on the sheet reads it
    EXPECT_NEAR(all[20].Y, 244.087, 1e-3);
}

TEST(TemplateDatabase, EquivalentTakesItsPartsLayout) {
    // avery-iso-templates.xml: J8654 equiv="L4770", a 4 x 10 sheet of 45.7 x 25.4 mm labels.
    const TLabelTemplate& equivalent = database().Find("Avery J8654");
    const TLabelTemplate& source = database().Find("Avery L4770");
    EXPECT_EQ(equivalent.Part, "J8654");
    EXPECT_EQ(equivalent.EquivalentOf, "L4770");
    EXPECT_EQ(equivalent.Description, source.Description);
    ASSERT_EQ(equivalent.Layouts.size(), 1u);
    EXPECT_EQ(equivalent.Layouts[0].Nx, 4);
    EXPECT_EQ(equivalent.Layouts[0].Ny, 10);
    EXPECT_DOUBLE_EQ(equivalent.Layouts[0].X0, 10);
    EXPECT_DOUBLE_EQ(equivalent.Layouts[0].Dx, 48.5);
    EXPECT_DOUBLE_EQ(equivalent.Width, 45.7);
    EXPECT_DOUBLE_EQ(equivalent.Height, 25.4);
}

// One entry of each kind of label and page the files have.
TEST(TemplateDatabase, ReadsEachShapeAndPage) {
    struct Row {
        const char* name;
        TLabelShape shape;
        const char* paper;
        double pageWidth, pageHeight, width, height;
    };
    constexpr double pt = 25.4 / 72;
    const Row rows[] = {
        {"avery L4730", TLabelShape::Rectangle, "A4", 210, 297, 17.8, 10},
        {"Dymo 11352", TLabelShape::Rectangle, "roll", 28, 54, 25, 54},
        {"Dymo 11353", TLabelShape::Rectangle, "Other", 13, 25, 13, 25},
        {"Avery 3274.2", TLabelShape::Round, "US-Letter", 215.9, 279.4, 38.1, 38.1},
        {"Begalabel V-100", TLabelShape::Ellipse, "US-Letter", 215.9, 279.4, 38.1, 19.05},
        {"Avery L6015", TLabelShape::Cd, "A4", 210, 297, 331.654 * pt, 331.654 * pt},
        {"Dymo 30915", TLabelShape::Path, "roll", 51, 31, 41, 31},
        {"Brother DK-2205", TLabelShape::Continuous, "roll", 67, 100, 61.98, 100},
    };
    for (const auto& row : rows) {
        const TLabelTemplate& sheet = database().Find(row.name);
        EXPECT_EQ(sheet.Shape, row.shape) << row.name;
        EXPECT_EQ(sheet.PaperName, row.paper) << row.name;
        EXPECT_NEAR(sheet.PageWidth, row.pageWidth, 1e-9) << row.name;
        EXPECT_NEAR(sheet.PageHeight, row.pageHeight, 1e-9) << row.name;
        EXPECT_NEAR(sheet.Width, row.width, 1e-9) << row.name;
        EXPECT_NEAR(sheet.Height, row.height, 1e-9) << row.name;
    }
}

TEST(TemplateDatabase, FindsNamesInAnyLetterCase) {
    for (const char* name : {"Avery L7160", "avery l7160", "AVERY L7160", "aVeRy l7160"}) {
        EXPECT_EQ(database().Find(name).Name(), "Avery L7160") << name;
    }
}

TEST(TemplateDatabase, RefusesAnUnknownNameSuggestingNearOnes) {
    struct Row {
        const char* wanted;
        const char* suggested; // empty: nothing near
    };
    const Row rows[] = {
        {"Avery L7610", "Avery L7160"},
        {"avery l716", "Avery L7160"},
        {"Acme Zz-99-Qq-Nothing-Alike", ""},
    };
    for (const auto& row : rows) {
        try {
            database().Find(row.wanted);
            ADD_FAILURE() << row.wanted << " was found";
        } catch (const quillmark::Exception& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(row.wanted), std::string::npos) << message;
            if (*row.suggested) {
                EXPECT_NE(message.find("did you mean"), std::string::npos) << message;
                EXPECT_NE(message.find(row.suggested), std::string::npos) << message;
            } else {
                EXPECT_EQ(message.find("did you mean"), std::string::npos) << message;
                EXPECT_NE(message.find("\"Brand Part\""), std::string::npos) << message;
            }
        }
    }
}

TEST(TemplateDatabase, ListsByNameOrDescriptionInAnyCase) {
    EXPECT_EQ(database().List().size(), database().All().size());
    for (const char* filter : {"l7160", "CD/DVD", "dymo"}) {
        const auto found = database().List(filter);
        EXPECT_FALSE(found.empty()) << filter;
        EXPECT_LT(found.size(), database().All().size()) << filter;
    }
    const auto avery = database().List("AVERY L716");
    std::set<std::string> names;
    for (const TLabelTemplate* sheet : avery) {
        names.insert(sheet->Name());
    }
    EXPECT_TRUE(names.contains("Avery L7160"));
    EXPECT_TRUE(names.contains("Avery L7161"));
    EXPECT_FALSE(names.contains("Avery L4730"));
}

} // namespace
