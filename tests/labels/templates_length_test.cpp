#include "length.h"
#include "path_bounds.h"

#include <quillmark/engine.h>

#include <gtest/gtest.h>

#include <string>

using namespace quillmark;

namespace {

struct LengthCase {
    const char* text;
    double mm;
};

// One row for every unit the files use, and their spellings: spaces, exponents, bare points.
constexpr LengthCase lengthCases[] = {
    {"63.5mm", 63.5}, {"2.625in", 66.675},  {"72pt", 25.4}, {"1.5cm", 15.0}, {"6pc", 25.4},
    {"72", 25.4},     {"181.4", 63.993889}, {"0 pt", 0.0},  {" 3 mm ", 3.0}, {"-1mm", -1.0},
    {"1e-16pt", 0.0}, {"0.0625in", 1.5875}, {"", 0.0},      {"in", 0.0},
};

TEST(TemplateLength, ReadsEveryUnitInMillimetres) {
    for (const auto& row : lengthCases) {
        EXPECT_NEAR(LengthInMM(row.text), row.mm, 1e-6) << '"' << row.text << '"';
    }
}

TEST(TemplateLength, RefusesUnknownUnitsNamingTheKnownOnes) {
    for (const char* text : {"5px", "3 inch", "mm5", "1.5mm extra", "2em"}) {
        try {
            LengthInMM(text);
            ADD_FAILURE() << '"' << text << "\" was read";
        } catch (const quillmark::Exception& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(text), std::string::npos) << message;
            EXPECT_NE(message.find("pt, in, mm, cm or pc"), std::string::npos) << message;
        }
    }
}

struct PathCase {
    const char* path;
    TPathBounds box;
};

constexpr PathCase pathCases[] = {
    {"M 0 1 l 1 -1 l 1 1 H 0 Z", {0, 0, 2, 1}},
    {"M 2,3 L 5,3 V 7 h -4 z", {1, 3, 5, 7}},
    {"m 1 1 2 0 0 2", {1, 1, 3, 3}}, // a moveto's further pairs are linetos
    {"M 0 0 v -2 H -3 Z", {-3, -2, 0, 0}},
};

TEST(TemplatePath, BoundsStraightOutlines) {
    for (const auto& row : pathCases) {
        const TPathBounds box = PathBounds(row.path);
        EXPECT_DOUBLE_EQ(box.Left, row.box.Left) << row.path;
        EXPECT_DOUBLE_EQ(box.Top, row.box.Top) << row.path;
        EXPECT_DOUBLE_EQ(box.Right, row.box.Right) << row.path;
        EXPECT_DOUBLE_EQ(box.Bottom, row.box.Bottom) << row.path;
    }
}

TEST(TemplatePath, RefusesCurvesAndMissingNumbers) {
    for (const char* path : {"M 0 0 C 1 1 2 2 3 3", "M 0 0 L 1", "5 5"}) {
        EXPECT_THROW(PathBounds(path), quillmark::Exception) << path;
    }
}

} // namespace
