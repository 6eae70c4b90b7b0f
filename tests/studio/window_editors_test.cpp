// The type-fitting editors in the window: which type gets which, a faulty AI row refused in
// place, the value carried from one editor to the next, the options they follow.
#include "announced_values.h"
#include "digits_editor.h"
#include "gs1_editor.h"
#include "studio_fixture.h"
#include "symbol_options.h"

#include <quillmark/digital_link.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>

namespace quillmark::studio::testing {
namespace {

using WindowEditors = StudioTest;

TEST_F(WindowEditors, EachTypeGetsTheEditorThatFitsIt) {
    enum TKind { Gs1Table, GtinDigits, FreeText };
    const struct {
        TBarType Type;
        TKind Kind;
        bool AddOn;
    } cases[] = {
        {bcCodeGS1_128, Gs1Table, false},
        {bcCodeGS1DataMatrix, Gs1Table, false},
        {bcCodeGS1DigitalLinkQR, Gs1Table, false},
        {bcCodeDataBarExpanded, Gs1Table, false},
        {bcCodeDataBarExpandedStacked, Gs1Table, false},
        {bcCodeEAN13, GtinDigits, true},
        {bcCodeUPC_E0, GtinDigits, true},
        {bcCodeITF14, GtinDigits, false},
        {bcCodeDataBarLimited, GtinDigits, false},
        // EAN-128 draws brackets as data: free text, for the engine to name them.
        {bcCodeEAN128B, FreeText, false},
        {bcCode128, FreeText, false},
        {bcCodeQR, FreeText, false},
    };
    const auto window = MakeWindow();
    for (const auto& [type, kind, addOn] : cases) {
        window->SetType(type);
        const auto* digits = dynamic_cast<TDigitsEditor*>(window->Editor());
        EXPECT_EQ(dynamic_cast<TGs1Editor*>(window->Editor()) != nullptr, kind == Gs1Table)
            << BarTypeName(type);
        ASSERT_EQ(digits != nullptr, kind != Gs1Table) << BarTypeName(type);
        if (digits == nullptr)
            continue;
        EXPECT_EQ(digits->MainEdit()->validator() != nullptr, kind == GtinDigits)
            << BarTypeName(type);
        EXPECT_EQ(digits->AddOnEdit()->isVisibleTo(digits), addOn) << BarTypeName(type);
    }
}

TEST_F(WindowEditors, AWrongCheckDigitInAnAIRowIsRefusedInPlaceUntilCorrected) {
    const auto window = MakeWindow();
    window->SetType(bcCodeGS1_128);
    auto* editor = dynamic_cast<TGs1Editor*>(window->Editor());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor->AIEdit(0), QStringLiteral("01"));
    QTest::keyClicks(editor->DataEdit(0), QStringLiteral("09501101530004"));
    EXPECT_TRUE(editor->RowProblem(0).contains(QStringLiteral("check digit")))
        << editor->RowProblem(0).toStdString();
    EXPECT_TRUE(window->Refusal().contains(QStringLiteral("check digit")))
        << window->Refusal().toStdString();
    EXPECT_FALSE(window->SaveAction()->isEnabled());

    QTest::keyClick(editor->DataEdit(0), Qt::Key_Backspace);
    QTest::keyClick(editor->DataEdit(0), Qt::Key_3);
    EXPECT_EQ(editor->RowProblem(0), QString());
    EXPECT_EQ(window->Refusal(), QString());
    EXPECT_TRUE(window->SaveAction()->isEnabled());
    ASSERT_NE(window->Described(), nullptr);
    EXPECT_EQ(window->Described()->Barcode.BarCode, "(01)09501101530003");
}

TEST_F(WindowEditors, TheValueCarriesFromOneEditorToTheNext) {
    const struct {
        TBarType Type;
        const char* Typed; // none: the value the last editor gave
        const char* Value;
        bool Refused;
    } steps[] = {
        {bcCode128, "(01)09501101530003", "(01)09501101530003", false},
        {bcCodeGS1DataMatrix, nullptr, "(01)09501101530003", false},
        {bcCodeEAN13, nullptr, "(01)09501101530003", true},
        {bcCode128, "abc", "abc", false},
        // Text that isn't element strings stays, refused, and goes on as it was.
        {bcCodeGS1_128, nullptr, "abc", true},
        {bcCode128, nullptr, "abc", false},
        {bcCodeEAN13, "590123412345+12", "5901234123457+12", false},
        {bcCodeUPC_A, nullptr, "5901234123457+12", true},
    };
    const auto window = MakeWindow();
    for (const auto& [type, typed, value, refused] : steps) {
        window->SetType(type);
        if (typed != nullptr)
            window->SetValue(QString::fromLatin1(typed));
        EXPECT_EQ(window->Value(), QString::fromLatin1(value)) << BarTypeName(type);
        EXPECT_EQ(window->Refusal().isEmpty(), !refused)
            << BarTypeName(type) << ": " << window->Refusal().toStdString();
    }
}

TEST_F(WindowEditors, SettingTheValueAnnouncesNothing) {
    const std::pair<TBarType, QString> cases[] = {
        {bcCodeGS1_128, "(01)09501101530003(10)AB1"},
        {bcCodeGS1_128, "no AIs"},
        {bcCodeEAN13, "5901234123457+12"},
        {bcCode39, "CODE 39"},
    };
    for (const auto& [type, value] : cases) {
        const std::unique_ptr<TValueEditor> editor = FittingValueEditor(type, nullptr);
        const TAnnouncedValues announced(*editor);
        editor->SetValue(value);
        EXPECT_EQ(editor->Value(), value) << BarTypeName(type);
        EXPECT_TRUE(announced.Values().isEmpty()) << BarTypeName(type);
    }
}

TEST_F(WindowEditors, TheAITableFollowsTheDigitalLinkDomainOption) {
    const std::string value = "(01)09501101530003";
    const std::string domain = "https://example.com/shop";
    const auto window = MakeWindow();
    window->SetType(bcCodeGS1DigitalLinkQR);
    window->SetValue(QString::fromStdString(value));
    window->Options()
        ->findChild<QLineEdit*>(QStringLiteral("DigitalLinkDomain"))
        ->setText(QString::fromStdString(domain));
    const auto* editor = dynamic_cast<TGs1Editor*>(window->Editor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->DigitalLinkURI().toStdString(), DigitalLinkURI(value, domain));
    EXPECT_TRUE(window->Refusal().isEmpty()) << window->Refusal().toStdString();
}

} // namespace
} // namespace quillmark::studio::testing
