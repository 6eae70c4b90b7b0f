// Opens the real window on an X server (Xvfb in CI), takes a screenshot of the screen and
// checks what a person would see: the window's size and a barcode that scans.
#include "default_error_handling.h"
#include "form_main.h"
#include "messages.h"
#include "scan.h"

#include <quillmark/barcode.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

// The real window shown on the X server, with its message boxes caught.
class WindowOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageShower(
            [this](QWidget*, MessageKind, const QString& Text) { messages.push_back(Text); });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void TearDown() override { SetMessageShower({}); }

    std::vector<QString> messages;
    TFormMain form;
};

TEST_F(WindowOnScreen, ShowsTheLaidOutWindowWithAScannableBarcode) {
    form.BarcodeValue->clear();
    QTest::keyClicks(form.BarcodeValue, QStringLiteral("Quill 12"));
    // Pick "Code 128B" from the opened list with the mouse, as a person does.
    form.ComboSelect->showPopup();
    QAbstractItemView* list = form.ComboSelect->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QModelIndex item = list->model()->index(3, 0);
    ASSERT_EQ(item.data().toString(), QStringLiteral("Code 128B"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    QTest::qWait(300);
    ASSERT_TRUE(messages.empty());

    QScreen* screen = form.screen();
    ASSERT_NE(screen, nullptr);
    const QImage shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QStringLiteral(QUILLMARK_SCREENSHOT_PATH);
    shot.save(path);
    std::printf("screenshot: %s\n", qPrintable(path));

    const QRect client(form.mapToGlobal(QPoint(0, 0)), form.size());
    EXPECT_EQ(client.size(), QSize(365, 351));
    ASSERT_TRUE(shot.rect().contains(client));
    const QImage window = shot.copy(client);

    // The window on screen shows what the window itself draws.
    const QImage drawn = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int same = 0;
    for (int y = 0; y < window.height(); y += 3)
        for (int x = 0; x < window.width(); x += 3)
            same += window.pixel(x, y) == drawn.pixel(x, y);
    const int samples = ((window.height() + 2) / 3) * ((window.width() + 2) / 3);
    EXPECT_GT(same, samples * 95 / 100);

    // The barcode area, given a quiet zone, scans back to the typed value.
    QImage area(337 + 80, 89 + 80, QImage::Format_Grayscale8);
    area.fill(255);
    QPainter painter(&area);
    painter.drawImage(40, 40, window.copy(QRect(16, 160, 337, 89)));
    painter.end();
    const auto scan =
        Scan(area.constBits(), area.width(), area.height(), static_cast<int>(area.bytesPerLine()));
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->Text, "Quill 12");
}

// Walking the whole list with the arrow keys, with a value most symbologies refuse, stops at
// no message box: each refusal stands under the value.
TEST_F(WindowOnScreen, WalkingTheListWithTheKeysShowsRefusalsInTheWindow) {
    form.BarcodeValue->clear();
    QTest::keyClicks(form.BarcodeValue, QStringLiteral("abc"));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.ComboSelect->setFocus();
    ASSERT_TRUE(form.ComboSelect->hasFocus());
    int refused = 0;
    for (int step = 1; step < form.ComboSelect->count(); ++step) {
        QTest::keyClick(form.ComboSelect, Qt::Key_Down);
        QTest::qWait(50);
        ASSERT_EQ(form.ComboSelect->currentIndex(), step);
        // Focus stays in the list, so the next key walks on.
        ASSERT_TRUE(form.ComboSelect->hasFocus()) << step;
        refused += !form.LabelStatus->text().isEmpty();
    }
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    EXPECT_GE(refused, 6); // the digits-only ones, Code 39 and Code 93 refuse "abc"
    // Stopped on a refusal: the line under the value shows it on screen.
    ASSERT_FALSE(form.LabelStatus->text().isEmpty());
    EXPECT_TRUE(form.LabelStatus->isVisible());
    const QImage shot = form.screen()->grabWindow(0).toImage();
    shot.save(QStringLiteral(QUILLMARK_SCREENSHOT_PATH).replace(".png", "-walk.png"));
}

} // namespace
} // namespace quillmark::testing

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    quillmark::InstallDefaultErrorHandling();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
