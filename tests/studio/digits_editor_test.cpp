// The digits editor from the keyboard: the check digit as the engine completes it, the
// engine's refusal of a wrong one, and free text's count and character set.
#include "announced_values.h"
#include "digits_editor.h"

#include <quillmark/ean_upc.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::studio {
namespace {

QString FactsOf(const TDigitsEditor& Editor) {
    return Editor.findChild<QLabel*>(QStringLiteral("digitsFacts"))->text();
}

TEST(DigitsEditor, CheckDigitShownAsItWillBeCompleted) {
    struct Case {
        TBarType Type;
        QString Typed;
        QString AddOn;
        QString Check; // worked by hand: weights 3 and 1 from the right
        QString Value;
    };
    const Case cases[] = {
        {bcCodeEAN13, "590123412345", "", "7", "5901234123457"},
        {bcCodeEAN13, "590123412345", "12", "7", "5901234123457+12"},
        {bcCodeEAN8, "9638507", "", "4", "96385074"},
        {bcCodeUPC_A, "03600029145", "", "2", "036000291452"},
        {bcCodeITF14, "0950110153000", "", "3", "09501101530003"},
        {bcCodeDataBar, "0950110153000", "", "3", "09501101530003"},
        // Typed in full, the check digit is checked rather than added.
        {bcCodeEAN13, "5901234123457", "", "7", "5901234123457"},
    };
    for (const Case& c : cases) {
        TDigitsEditor editor(c.Type);
        const TAnnouncedValues announced(editor);
        QTest::keyClicks(editor.MainEdit(), c.Typed);
        QTest::keyClicks(editor.AddOnEdit(), c.AddOn);
        EXPECT_EQ(editor.CheckDigit(), c.Check) << c.Typed.toStdString();
        EXPECT_TRUE(FactsOf(editor).contains(c.Check));
        EXPECT_EQ(editor.Value(), c.Value);
        EXPECT_TRUE(editor.Acceptable()) << editor.Problem().toStdString();
        ASSERT_FALSE(announced.Values().isEmpty());
        EXPECT_EQ(announced.Values().last(), c.Value);
    }
}

TEST(DigitsEditor, RefusalsAreTheEnginesAndKeysOtherThanDigitsGoNowhere) {
    TDigitsEditor editor(bcCodeEAN13);
    QTest::keyClicks(editor.MainEdit(), QStringLiteral("59a01234123458"));
    EXPECT_EQ(editor.MainEdit()->text(), QStringLiteral("5901234123458"));
    std::string message;
    try {
        CompleteCheckDigit(bcCodeEAN13, "5901234123458");
    } catch (const Exception& refused) {
        message = refused.Message();
    }
    ASSERT_FALSE(message.empty());
    EXPECT_EQ(editor.Problem().toStdString(), message);
    EXPECT_FALSE(editor.Acceptable());
    EXPECT_EQ(editor.CheckDigit(), QString());
    // Too few digits: the engine says how many it wants.
    editor.MainEdit()->setText(QStringLiteral("59012"));
    EXPECT_FALSE(editor.Acceptable());
    EXPECT_FALSE(editor.Problem().isEmpty());
}

TEST(DigitsEditor, FreeTextCountsAndSaysWhatTheSymbologyCarries) {
    // Switched from a GTIN type: letters go in again, and the add-on goes.
    TDigitsEditor editor(bcCodeEAN13);
    editor.SetBarType(bcCode39);
    EXPECT_FALSE(editor.AddOnEdit()->isVisibleTo(&editor));
    QTest::keyClicks(editor.MainEdit(), QStringLiteral("AB-12"));
    EXPECT_TRUE(FactsOf(editor).startsWith(QStringLiteral("5 characters.")));
    EXPECT_TRUE(FactsOf(editor).contains(QString::fromLatin1(BarTypeData(bcCode39).Characters)));
    EXPECT_TRUE(editor.Acceptable());
    QTest::keyClicks(editor.MainEdit(), QStringLiteral("b"));
    EXPECT_FALSE(editor.Acceptable());
    EXPECT_EQ(editor.Value(), QStringLiteral("AB-12b"));
}

TEST(DigitsEditor, TheCheckDigitModeDecidesWhoAddsTheDigit) {
    struct Case {
        TBarType Type;
        TCheckDigits Mode;
        QString Typed;
        QString Value; // empty where refused
        QString Check;
    };
    const Case cases[] = {
        // The symbol adds EAN-13's digit itself: the value goes without it.
        {bcCodeEAN13, TCheckDigits::Mod10, "590123412345", "590123412345", "7"},
        {bcCodeEAN13, TCheckDigits::Mod10, "5901234123458", "", ""},
        // None added: the digit is the value's, checked.
        {bcCodeEAN13, TCheckDigits::None, "5901234123457", "5901234123457", "7"},
        {bcCodeEAN13, TCheckDigits::None, "590123412345", "", ""},
        // PostNet's correction digit is completed as the window completes it.
        {bcCodePostNet, TCheckDigits::Auto, "12345", "12345", ""},
    };
    for (const Case& c : cases) {
        TDigitsEditor editor(c.Type);
        editor.FollowOptions({}, c.Mode);
        QTest::keyClicks(editor.MainEdit(), c.Typed);
        EXPECT_EQ(editor.Acceptable(), !c.Value.isEmpty())
            << c.Typed.toStdString() << ": " << editor.Problem().toStdString();
        if (!c.Value.isEmpty()) {
            EXPECT_EQ(editor.Value(), c.Value) << c.Typed.toStdString();
        }
        EXPECT_EQ(editor.CheckDigit(), c.Check) << c.Typed.toStdString();
    }
}

} // namespace
} // namespace quillmark::studio
