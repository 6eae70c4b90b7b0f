// The studio from the keyboard alone: a type found by its alias, a value typed, the symbol
// saved; on the offscreen platform here and in a real window under Xvfb (StudioOnScreen).
#include "studio_fixture.h"
#include "symbol_list.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace quillmark::studio::testing {
namespace {

using StudioKeyboard = StudioTest;

TEST_F(StudioKeyboard, OneSymbolOfEachFamilyMadeFromTheKeyboard) {
    const struct {
        const char* Alias;
        TBarType Type;
        const char* Value;
        const char* Reads; // none where zxing-cpp doesn't read the type
    } cases[] = {
        {"upca", bcCodeUPC_A, "03600029145", "036000291452"},
        // An SSCC in the AI table: the AI, Tab, its data.
        {"bcCodeGS1_128", bcCodeGS1_128, "00\t095011015300000027", "00095011015300000027"},
        {"itf14", bcCodeITF14, "0950110153000", "09501101530003"},
        {"c93", bcCode93, "CODE 93", "CODE 93"},
        {"postnet", bcCodePostNet, "55555", nullptr},
        {"qrcode", bcCodeQR, "keyboard", "keyboard"},
    };
    const auto window = MakeWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const auto& [alias, type, value, reads] : cases) {
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_EQ(QApplication::focusWidget(), window->List()->Filter()) << alias;
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(alias));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(window->Type(), type) << alias;
        QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        // To whichever field has the focus, as Tab moves it.
        QTest::keyClicks(nullptr, QString::fromLatin1(value));
        ASSERT_TRUE(window->Refusal().isEmpty())
            << alias << ": " << window->Refusal().toStdString();
        const QString path = folder.filePath(QString::fromLatin1(alias) + QStringLiteral(".png"));
        ASSERT_TRUE(window->SaveTo(path)) << alias;
        if (reads != nullptr) {
            EXPECT_EQ(ReadBack(path, type), reads) << alias;
        }
    }
}

} // namespace
} // namespace quillmark::studio::testing
