#include "template_database.h"

#include <quillmark/engine.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

using namespace quillmark;
namespace fs = std::filesystem;

namespace {

// A database folder of the carried papers and one templates file holding `entries`.
class BrokenDatabase {
public:
    explicit BrokenDatabase(const std::string& entries)
        // A name of its own: suites of several build trees may run side by side.
        : folder_(fs::temp_directory_path() /
                  ("quillmark-templates-" + std::to_string(std::random_device()()))) {
        fs::create_directories(folder_);
        fs::copy_file(fs::path(QUILLMARK_LABEL_TEMPLATES_DIR) / "paper-sizes.xml",
                      folder_ / "paper-sizes.xml");
        if (!entries.empty()) {
            std::ofstream(folder_ / "broken-templates.xml")
                << "<?xml version=\"1.0\"?>\n<Glabels-templates>\n"
                << entries << "\n</Glabels-templates>\n";
        }
    }
    ~BrokenDatabase() { fs::remove_all(folder_); }
    BrokenDatabase(const BrokenDatabase&) = delete;
    BrokenDatabase& operator=(const BrokenDatabase&) = delete;

    std::string folder() const { return folder_.string(); }

private:
    fs::path folder_;
};

std::string sheet(const std::string& templateAttributes, const std::string& label) {
    return "<Template brand=\"Acme\" part=\"1\" " + templateAttributes + ">\n" + label +
           "\n</Template>";
}

const std::string goodLabel = "<Label-rectangle id=\"0\" width=\"10mm\" height=\"5mm\">"
                              "<Layout nx=\"2\" ny=\"3\" x0=\"1mm\" y0=\"1mm\" dx=\"12mm\" "
                              "dy=\"6mm\"/></Label-rectangle>";

TEST(TemplateRefusal, NamesTheFileLineAndWhatToChange) {
    struct Row {
        std::string entries;
        std::string says; // in the message, beside the file's name
    };
    const Row rows[] = {
        {sheet("size=\"A4\"", "<Label-round id=\"0\" radius=\"5px\"><Layout nx=\"1\" "
                              "ny=\"1\"/></Label-round>"),
         "broken-templates.xml:4: The length \"5px\" has no known unit"},
        {sheet("size=\"A11\"", goodLabel), "\"A11\" is not in paper-sizes.xml"},
        {sheet("size=\"roll\"", goodLabel), "lacks its roll_width attribute"},
        {sheet("size=\"A4\"", "<Label-ellipse id=\"0\" width=\"1mm\" height=\"1mm\"/>"),
         "Acme 1 has no label with a layout"},
        {sheet("size=\"A4\"", "<Label-rectangle id=\"0\" width=\"1mm\" height=\"1mm\">"
                              "<Layout nx=\"0\" ny=\"1\"/></Label-rectangle>"),
         "nx=\"0\" is not a count of labels"},
        {sheet("size=\"A4\"", goodLabel) + "<Template brand=\"Acme\" part=\"2\" equiv=\"9\"/>",
         "Acme 2 is equivalent to 9, which Acme has no measured entry for"},
        {sheet("size=\"A4\"", goodLabel + "</Label-rectangle>"), "broken-templates.xml:"},
        {"", "holds no label templates"},
    };
    for (const auto& row : rows) {
        const BrokenDatabase broken(row.entries);
        try {
            const TTemplateDatabase database(broken.folder());
            ADD_FAILURE() << "read: " << row.entries;
        } catch (const std::exception& error) {
            EXPECT_NE(std::string(error.what()).find(row.says), std::string::npos) << error.what();
        }
    }
}

TEST(TemplateRefusal, ReadsAFolderOtherThanTheCarriedOne) {
    const BrokenDatabase own(sheet("size=\"Other\" width=\"30mm\" height=\"30mm\"", goodLabel));
    const TTemplateDatabase database(own.folder());
    ASSERT_EQ(database.All().size(), 1u);
    const auto all = Cells(database.Find("ACME 1"));
    ASSERT_EQ(all.size(), 6u);
    EXPECT_DOUBLE_EQ(all[5].X, 13);
    EXPECT_DOUBLE_EQ(all[5].Y, 13);
}

} // namespace
