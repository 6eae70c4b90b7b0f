// The GS1 AI table as a user drives it from the keyboard: each row's fault beside it in the
// engine's words, pasted element strings filling the rows, the URI the engine writes.
#include "announced_values.h"
#include "gs1_editor.h"

#include <quillmark/digital_link.h>
#include <quillmark/gs1.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::studio {
namespace {

std::string EngineMessage(const std::string& Value) {
    try {
        ParseGS1(Value);
    } catch (const Exception& refused) {
        return refused.Message();
    }
    return {};
}

TEST(Gs1Editor, WrongCheckDigitShownInItsRowAndRefused) {
    TGs1Editor editor(bcCodeGS1_128);
    const TAnnouncedValues announced(editor);
    QTest::keyClicks(editor.AIEdit(0), QStringLiteral("01"));
    QTest::keyClicks(editor.DataEdit(0), QStringLiteral("09501101530004"));
    const std::string message = EngineMessage("(01)09501101530004");
    ASSERT_FALSE(message.empty());
    EXPECT_EQ(editor.RowTitle(0), QStringLiteral("GTIN"));
    EXPECT_EQ(editor.RowProblem(0).toStdString(), message);
    EXPECT_FALSE(editor.Acceptable());
    EXPECT_EQ(editor.Problem().toStdString(), message);
    // A row for the next AI waits below the one typed.
    EXPECT_EQ(editor.AIEdit(1)->text(), QString());

    QTest::keyClick(editor.DataEdit(0), Qt::Key_Backspace);
    QTest::keyClick(editor.DataEdit(0), Qt::Key_3);
    EXPECT_EQ(editor.RowProblem(0), QString());
    EXPECT_TRUE(editor.Acceptable());
    ASSERT_FALSE(announced.Values().isEmpty());
    EXPECT_EQ(announced.Values().last(), QStringLiteral("(01)09501101530003"));
}

// A row one digit short of its check digit shows the digit it lacks (GS1's modulo-10
// calculation, section 7.9.1 of its general rules); other faults only the engine's words.
TEST(Gs1Rows, DataOneDigitShortShowsItsCheckDigit) {
    const struct {
        const char* AI;
        const char* Data;
        const char* Completed; // none where the row shows no check digit
    } cases[] = {
        {"00", "09501101530000001", "095011015300000010"},
        {"01", "0950110153000", "09501101530003"},
        {"414", "950110153001", "9501101530010"},
        {"01", "095011015300", nullptr},   // two short
        {"01", "0950110153000A", nullptr}, // a letter
        {"10", "AB1", nullptr},            // no fault at all
    };
    for (const auto& [ai, data, completed] : cases) {
        const TGs1RowCheck check = CheckGs1Row({ai, data});
        const std::size_t at = check.Problem.find("with its check digit: ");
        if (completed == nullptr) {
            EXPECT_EQ(at, std::string::npos) << ai << data << ": " << check.Problem;
            continue;
        }
        EXPECT_EQ(check.Problem.rfind(EngineMessage(std::string("(") + ai + ")" + data), 0), 0U)
            << check.Problem;
        ASSERT_NE(at, std::string::npos) << ai << data << ": " << check.Problem;
        EXPECT_EQ(check.Problem.substr(at + 22), completed);
        EXPECT_TRUE(CheckGs1Row({ai, completed}).Problem.empty());
    }
}

TEST(Gs1Editor, PastedElementStringFillsRowsWithTitles) {
    TGs1Editor editor(bcCodeGS1_128);
    const QString pasted = QStringLiteral("(01)09501101530003(17)251231(10)AB1");
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(editor.AIEdit(0), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(editor.FilledRows(), 3);
    const QStringList titles{"GTIN", "USE BY or EXPIRY", "BATCH/LOT"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(editor.RowTitle(row), titles[row]);
        EXPECT_EQ(editor.RowProblem(row), QString()) << row;
    }
    EXPECT_EQ(editor.DataEdit(1)->text(), QStringLiteral("251231"));
    EXPECT_EQ(editor.Value(), pasted);
    EXPECT_EQ(editor.ElementString(), pasted);
    EXPECT_TRUE(editor.Acceptable());
}

TEST(Gs1Editor, ElementStringTypedBelowFillsRowsOrSaysWhyNot) {
    TGs1Editor editor(bcCodeGS1DataMatrix);
    auto* line = editor.findChild<QLineEdit*>(QStringLiteral("gs1ElementString"));
    QTest::keyClicks(line, QStringLiteral("[01]09501101530003[10]A(1)"));
    ASSERT_EQ(editor.FilledRows(), 2);
    // Parentheses in the data go back escaped, so the engine reads the same rows.
    EXPECT_EQ(editor.Value(), QStringLiteral("(01)09501101530003(10)A\\(1\\)"));
    EXPECT_TRUE(editor.Acceptable());

    line->clear();
    QTest::keyClicks(line, QStringLiteral("0109501101530003"));
    EXPECT_EQ(editor.FilledRows(), 2);
    const QString shown = editor.Problem();
    EXPECT_TRUE(shown.contains(QStringLiteral("Application Identifiers in parentheses")))
        << shown.toStdString();
}

TEST(Gs1Editor, WholeValueFaultsAreTheEngines) {
    struct Case {
        TBarType Type;
        QString Value;
        std::string Problem;
    };
    const Case cases[] = {
        {bcCodeGS1_128, "(10)AB1", GS1PairingProblems(ParseGS1("(10)AB1")).front()},
        {bcCodeGS1_128, "(01)09501101530003(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKL",
         EngineMessage("(01)09501101530003(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKL")},
        // GS1 DataMatrix holds what GS1-128 can't.
        {bcCodeGS1DataMatrix, "(01)09501101530003(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKL", ""},
    };
    for (const Case& c : cases) {
        TGs1Editor editor(c.Type);
        editor.SetValue(c.Value);
        EXPECT_EQ(editor.Problem().toStdString(), c.Problem) << c.Value.toStdString();
        EXPECT_EQ(editor.Acceptable(), c.Problem.empty());
    }
}

TEST(Gs1Editor, DigitalLinkURIIsTheEngines) {
    const std::string value = "(01)09501101530003(10)AB1";
    for (const std::string& domain :
         {std::string(DigitalLinkDomainDefault), std::string("https://example.com/shop")}) {
        TGs1Editor editor(bcCodeGS1DigitalLinkQR);
        editor.SetDigitalLinkDomain(QString::fromStdString(domain));
        editor.SetValue(QString::fromStdString(value));
        const std::string uri = DigitalLinkURI(value, domain);
        EXPECT_EQ(editor.DigitalLinkURI().toStdString(), uri);
        EXPECT_EQ(
            editor.findChild<QLabel*>(QStringLiteral("gs1DigitalLinkURI"))->text().toStdString(),
            uri);
    }
    // Other GS1 types make no URI and show none.
    TGs1Editor editor(bcCodeGS1_128);
    editor.SetValue(QString::fromStdString(value));
    EXPECT_EQ(editor.DigitalLinkURI(), QString());
    EXPECT_FALSE(
        editor.findChild<QLabel*>(QStringLiteral("gs1DigitalLinkURI"))->isVisibleTo(&editor));
}

} // namespace
} // namespace quillmark::studio
