// The studio from the keyboard alone: a type found by its alias, a value typed, the symbol
// saved; on the offscreen platform here and in a real window under Xvfb (StudioOnScreen).
#include "studio_fixture.h"
#include "symbol_list.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

namespace quillmark::studio::testing {
namespace {

using StudioKeyboard = StudioTest;

// A PostNet picture's bars left to right, "T" for a tall one and "s" for a short one.
std::string TallAndShortBars(const QImage& Picture) {
    const QImage grey = Picture.convertToFormat(QImage::Format_Grayscale8);
    const auto dark = [&grey](int X, int Y) { return grey.pixelColor(X, Y).value() < 128; };
    // The first tall bar (the frame bar) from the top of the bars to their foot; the text
    // below is clear of it.
    int top = 0;
    int left = -1;
    for (; top < grey.height() && left < 0; ++top)
        for (int x = 0; x < grey.width() && left < 0; ++x)
            if (dark(x, top))
                left = x;
    --top;
    int foot = top;
    while (foot + 1 < grey.height() && dark(left, foot + 1))
        ++foot;
    // Every bar crosses the row just above the foot; only tall ones the row below the top.
    std::string bars;
    bool inBar = false;
    for (int x = 0; x < grey.width(); ++x) {
        const bool bar = dark(x, foot - 1);
        if (bar && !inBar)
            bars += dark(x, top + 1) ? 'T' : 's';
        inBar = bar;
    }
    return bars;
}

// The same from Zint's module rows of Value (zint --dump: the tall bars' row, then every
// bar's), with its check digit added by Zint.
std::string ZintPostNet(const char* Value) {
    QProcess zint;
    zint.start(QStringLiteral(QUILLMARK_ZINT),
               {"-b", "40", "--dump", "-d", QString::fromLatin1(Value)});
    if (!zint.waitForFinished(30000) || zint.exitCode() != 0)
        return "zint failed";
    const QStringList rows = QString::fromLatin1(zint.readAllStandardOutput()).split(u'\n');
    const auto bits = [](const QString& Row) {
        std::string bits;
        for (const QString& byte : Row.split(u' ', Qt::SkipEmptyParts))
            for (int i = 7; i >= 0; --i)
                bits += (byte.toInt(nullptr, 16) >> i & 1) != 0 ? '1' : '0';
        return bits;
    };
    const std::string tall = bits(rows.value(0));
    const std::string all = bits(rows.value(1));
    std::string bars;
    for (std::size_t i = 0; i < all.size() && i < tall.size(); ++i)
        if (all[i] == '1')
            bars += tall[i] == '1' ? 'T' : 's';
    return bars;
}

TEST_F(StudioKeyboard, OneSymbolOfEachFamilyMadeFromTheKeyboard) {
    const struct {
        const char* Alias;
        TBarType Type;
        const char* Value;
        const char* Reads; // none where zxing-cpp doesn't read the type
    } cases[] = {
        {"upca", bcCodeUPC_A, "03600029145", "036000291452"},
        // An SSCC in the AI table: the AI, Tab, its data.
        {"gs1128", bcCodeGS1_128, "00\t095011015300000027", "00095011015300000027"},
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
        if (reads != nullptr)
            EXPECT_EQ(ReadBack(path, type), reads) << alias;
        else // PostNet, which zxing-cpp doesn't read: its tall and short bars are Zint's
            EXPECT_EQ(TallAndShortBars(QImage(path)), ZintPostNet(value)) << alias;
    }
}

} // namespace
} // namespace quillmark::studio::testing
