// The Barcode item refuses a value too long to draw by its start, as a file does, and its
// errorString quotes long values and type names by their start and length.
#include "quick_fixture.h"
#include <quillmark/error_messages.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quillmark {
namespace {

using quick_testing::QuickWindow;

struct LongSetting {
    const char* Property;
    const char* Type;
    std::string Value;
    const char* Reason;
};

void PrintTo(const LongSetting& S, std::ostream* Out) {
    *Out << S.Property << " " << S.Type << " of " << S.Value.size() << " characters";
}

class BarcodeItemBounds : public ::testing::TestWithParam<LongSetting> {};

TEST_P(BarcodeItemBounds, RefusedWithAShortMessageAndMendedAfter) {
    const LongSetting& c = GetParam();
    QuickWindow window;
    QQuickItem* item = window.Load(QString(R"(Barcode { type: "%1"; value: "12" })").arg(c.Type));
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(item->property("valid").toBool());
    item->setProperty(c.Property, QString::fromLatin1(c.Value.data(), qsizetype(c.Value.size())));
    EXPECT_FALSE(item->property("valid").toBool());
    EXPECT_EQ(item->property("errorString").toString().toStdString(),
              Shortened(c.Value) + " : " + c.Reason);
    EXPECT_EQ(item->implicitWidth(), 0);
    item->setProperty("type", "code39");
    item->setProperty("value", "QUILL");
    EXPECT_TRUE(item->property("valid").toBool())
        << item->property("errorString").toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Settings, BarcodeItemBounds,
    ::testing::Values(LongSetting{"value", "code128", std::string(4u << 20, 'A'), TooLongMessage},
                      LongSetting{"value", "code128", std::string(3u << 20, '7'), TooLongMessage},
                      LongSetting{"value", "itf", std::string(4u << 20, '4'), TooLongMessage},
                      LongSetting{"value", "code39", std::string(5000, 'Q'), TooLongMessage},
                      LongSetting{"type", "code128", std::string(1u << 20, 'x'),
                                  "unknown barcode type."}));

} // namespace
} // namespace quillmark
