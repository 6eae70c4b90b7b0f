// Random element strings from the test support's own reading of the AIs: the engine's
// parser and Digital Link writer take every one, and the draws reach every primary key.
#include "random_gs1.h"

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

} // namespace
} // namespace quillmark
