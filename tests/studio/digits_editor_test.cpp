// The digits editor from the keyboard: the check digit as the engine completes it, the
// engine's refusal of a wrong one, and free text's count and character set.
#include "digits_editor.h"

#include <quillmark/ean_upc.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
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
        QSignalSpy changed(&editor, &TDigitsEditor::valueChanged);
        QTest::keyClicks(editor.mainEdit(), c.Typed);
        QTest::keyClicks(editor.addOnEdit(), c.AddOn);
        EXPECT_EQ(editor.checkDigit(), c.Check) << c.Typed.toStdString();
        EXPECT_TRUE(FactsOf(editor).contains(c.Check));
        EXPECT_EQ(editor.value(), c.Value);
        EXPECT_TRUE(editor.acceptable()) << editor.problem().toStdString();
        ASSERT_FALSE(changed.isEmpty());
        EXPECT_EQ(changed.last().at(0).toString(), c.Value);
    }
}

TEST(DigitsEditor, RefusalsAreTheEnginesAndKeysOtherThanDigitsGoNowhere) {
    TDigitsEditor editor(bcCodeEAN13);
    QTest::keyClicks(editor.mainEdit(), QStringLiteral("59a01234123458"));
    EXPECT_EQ(editor.mainEdit()->text(), QStringLiteral("5901234123458"));
    std::string message;
    try {
        CompleteCheckDigit(bcCodeEAN13, "5901234123458");
    } catch (const Exception& refused) {
        message = refused.Message();
    }
    ASSERT_FALSE(message.empty());
    EXPECT_EQ(editor.problem().toStdString(), message);
    EXPECT_FALSE(editor.acceptable());
    EXPECT_EQ(editor.checkDigit(), QString());
    // Too few digits: the engine says how many it wants.
    editor.mainEdit()->setText(QStringLiteral("59012"));
    EXPECT_FALSE(editor.acceptable());
    EXPECT_FALSE(editor.problem().isEmpty());
}

TEST(DigitsEditor, FreeTextCountsAndSaysWhatTheSymbologyCarries) {
    // Switched from a GTIN type: letters go in again, and the add-on goes.
    TDigitsEditor editor(bcCodeEAN13);
    editor.setBarType(bcCode39);
    EXPECT_FALSE(editor.addOnEdit()->isVisibleTo(&editor));
    QTest::keyClicks(editor.mainEdit(), QStringLiteral("AB-12"));
    EXPECT_TRUE(FactsOf(editor).startsWith(QStringLiteral("5 characters.")));
    EXPECT_TRUE(FactsOf(editor).contains(QString::fromLatin1(BarTypeData(bcCode39).Characters)));
    EXPECT_TRUE(editor.acceptable());
    QTest::keyClicks(editor.mainEdit(), QStringLiteral("b"));
    EXPECT_FALSE(editor.acceptable());
    EXPECT_EQ(editor.value(), QStringLiteral("AB-12b"));
}

} // namespace
} // namespace quillmark::studio
