// The widget's enumerations, as Qt Designer and stored forms name them, are the engine's
// list: every symbology once, under its catalogue identifier, in the engine's order.
#include <quillmark/barcode.h>

#include <QMetaEnum>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(Enumerations, TheWidgetsSymbologiesAreTheEnginesList) {
    const QMetaEnum types = QMetaEnum::fromType<TBarCode::BarTypes>();
    ASSERT_EQ(types.keyCount(), BarTypeCount);
    for (int i = 0; i < BarTypeCount; ++i) {
        EXPECT_EQ(types.value(i), i);
        EXPECT_STREQ(types.key(i), BarTypeData(static_cast<TBarType>(i)).Identifier);
    }
}

TEST(Enumerations, TheAboutTextCountsTheSymbologies) {
    const TBarCode control;
    EXPECT_NE(control.About().find(" " + std::to_string(BarTypeCount) + " symbologies."),
              std::string::npos)
        << control.About();
}

} // namespace
} // namespace quillmark
