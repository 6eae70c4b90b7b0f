// Random element strings from the test support's own reading of the AIs: the engine's
// parser and Digital Link writer take every one, and the draws reach every primary key.
#include "random_gs1.h"

#include "gs1_elements.h"

#include <quillmark/digital_link.h>
#include <quillmark/engine.h>
#include <quillmark/gs1.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillmark {
namespace {

constexpr int Draws = 2000;

TEST(RandomGS1, EveryDrawParsesAndLinksAndEveryKeyIsDrawn) {
    std::mt19937 random(20261210);
    std::set<std::string> keys;
    for (int draw = 0; draw < Draws; ++draw) {
        const std::string value = testing::RandomGS1ElementString(random);
        try {
            ParseGS1(value);
            const std::string uri = DigitalLinkURI(value);
            // The key is the path's first AI: ".../01/09501101530003/...".
            const std::size_t start = DigitalLinkDomainDefault.size() + 1;
            keys.insert(uri.substr(start, uri.find('/', start) - start));
        } catch (const Exception& refused) {
            FAIL() << value << ": " << refused.Message();
        }
    }
    const auto drawable = testing::RandomGS1PrimaryKeys();
    EXPECT_EQ(keys, std::set<std::string>(drawable.begin(), drawable.end()));
}

// An AI as the methods tell them apart: 3103, 3202 and 3203 on their own, the rest of 310x,
// 320x, 392x and 393x a family each.
std::string Family(const std::string& AI) {
    const std::set<std::string, std::less<>> families{"310", "320", "392", "393"};
    if (AI == "3103" || AI == "3202" || AI == "3203" || !families.contains(AI.substr(0, 3)))
        return AI;
    return AI.substr(0, 3) + "x";
}

// Every variable measure draw reads as element strings, and the draws reach each AI family of
// Expanded's compressed methods, with and without the indicator digit 9 they ask for.
TEST(RandomGS1, EveryMeasureDrawReadsAndEveryMethodsAIIsDrawn) {
    std::mt19937 random(24724);
    std::set<std::string> drawn;
    for (int draw = 0; draw < Draws; ++draw) {
        const std::string value = testing::RandomMeasureElementString(random);
        try {
            const std::vector<TGS1Element> elements = ReadGS1Elements(value);
            drawn.insert(elements.at(0).Data.substr(0, 1) == "9" ? "indicator 9" : "other");
            for (const TGS1Element& element : elements)
                drawn.insert(Family(element.AI));
        } catch (const Exception& refused) {
            FAIL() << value << ": " << refused.Message();
        }
    }
    for (const char* family : {"indicator 9", "other", "3103", "3202", "3203", "310x", "320x",
                               "392x", "393x", "11", "13", "15", "17", "10", "21"})
        EXPECT_TRUE(drawn.contains(family)) << family;
}

} // namespace
} // namespace quillmark
