// The window's value edit takes no value longer than a symbol can draw there: a longer
// paste is refused whole with a sentence, at once, and a long value the window refuses is
// quoted by its start and length.
#include "value_edit.h"
#include "window_fixture.h"
#include <quillmark/output_job.h>

#include <QLabel>

#include <QClipboard>
#include <QGuiApplication>

#include <functional>

namespace quillmark::testing {
namespace {

constexpr int Most = TValueEdit::MaxCharacters;

TEST_F(WindowTest, PasteBeyondTheBoundIsRefusedWholeWithASentence) {
    const struct {
        qsizetype Pasted;
        bool OverAll;     // replaces the whole value, or goes in after "123456789"
        qsizetype Length; // the edit's text after
        const char* Said; // in the one message, or nullptr for none
    } cases[] = {
        {1 << 20, false, 9, "would be 1048585 characters long"},
        {10 << 20, true, 9, "would be 10485760 characters long"},
        {Most + 1, true, 9, "would be 131073 characters long"},
        {Most - 9, false, Most, nullptr},
        {Most, true, Most, nullptr},
    };
    auto* edit = static_cast<TValueEdit*>(Form->BarcodeValue);
    // By the keyboard, and as the context menu's Paste does.
    const std::function<void()> routes[] = {
        [edit] { QTest::keySequence(edit, QKeySequence::Paste); },
        [edit] { edit->CheckedPaste(); }};
    for (const auto& paste : routes)
        for (const auto& c : cases) {
            Messages.clear();
            edit->setText(QStringLiteral("123456789"));
            edit->setFocus();
            if (c.OverAll)
                edit->selectAll();
            else
                edit->end(false);
            QGuiApplication::clipboard()->setText(QString(c.Pasted, QLatin1Char('7')));
            paste();
            EXPECT_EQ(edit->text().size(), c.Length) << c.Pasted;
            if (c.Said == nullptr) {
                EXPECT_TRUE(Messages.empty()) << c.Pasted;
                continue;
            }
            ASSERT_EQ(Messages.size(), 1u) << c.Pasted;
            EXPECT_TRUE(Messages[0].Text.contains(QLatin1String(c.Said)))
                << Messages[0].Text.toStdString();
        }
}

// The bound cuts nothing the window could write: a value one or two digits (the densest
// characters of every offered symbology) longer than it is refused for a vector file at the
// export dialog's smallest X-dimension and without quiet zones or text, the loosest
// settings there are.
TEST_F(WindowTest, NoOfferedSymbologyDrawsAValueBeyondTheEditsBound) {
    for (const TBarType type : Form->SymbologyMap())
        for (const int length : {Most + 1, Most + 2}) {
            TBarcodeDescription d;
            d.XDimensionMM = 0.01;
            d.QuietZone = 0;
            d.Barcode.BarType = type;
            d.Barcode.TextShow = tsNone;
            const std::string value(static_cast<std::size_t>(length), '1');
            EXPECT_THROW(TPreparedSymbol(d, value, TCheckDigits::None).Vector(), Exception)
                << BarTypeData(type).Label << " " << length;
        }
    EXPECT_EQ(Form->BarcodeValue->maxLength(), Most);
}

TEST_F(WindowTest, ALongRefusedValueIsQuotedByItsStart) {
    const struct {
        const char* Label;
        QString Value;
        QString Said; // the message's start
    } cases[] = {
        {"Code 39", QString(Most, QLatin1Char('a')),
         QString(40, QLatin1Char('a')) + "... (131072 characters) : position 1: 'a'"},
        {"Code 128C", QString(5000, QLatin1Char('7')),
         QString(40, QLatin1Char('7')) + "... (5000 characters) : Barcode too long to draw."},
    };
    for (const auto& c : cases) {
        Messages.clear();
        Form->BarcodeValue->setText(c.Value);
        Choose(QLatin1String(c.Label)); // told under the value
        EXPECT_TRUE(Messages.empty()) << c.Label;
        const QString said = Form->LabelStatus->text();
        EXPECT_TRUE(said.startsWith(c.Said)) << said.toStdString();
        EXPECT_LT(said.size(), 300) << c.Label;
        EXPECT_EQ(Form->BarCode1->BarCode(), "123456789") << c.Label;
    }
}

} // namespace
} // namespace quillmark::testing
