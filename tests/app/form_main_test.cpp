// The generator window's flows, driven as a user would: list, edit, buttons.
#include "window_fixture.h"

#include "pixels.h"
#include "scan.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace quillmark::testing {
namespace {

// The colours of row 2 along a symbol: short bars stay below that row.
std::vector<QRgb> ExpectedRow(TBarType Type, const std::string& Value, int Modul, double Ratio,
                              QRgb Panel) {
    std::vector<QRgb> row;
    for (const TLineKind kind : ModuleColumns(Type, Value, Modul, Ratio))
        row.push_back(kind == lkSpace ? qRgb(255, 255, 255)
                      : kind == lkBar ? qRgb(0, 0, 0)
                                      : Panel);
    return row;
}

// Row 2 lies above any text drawn at the bottom: the modules, then the panel colour.
void ExpectSymbolAtLeftEdge(const QImage& Image, const TBarCode& Control) {
    const QRgb panel = Rgb(Control.Color());
    const std::vector<QRgb> columns =
        ExpectedRow(Control.BarType(), Control.BarCode(), Control.Modul(), Control.Ratio(), panel);
    ASSERT_LE(columns.size(), static_cast<std::size_t>(Image.width()));
    for (std::size_t x = 0; x < columns.size(); ++x)
        ASSERT_EQ(Image.pixel(static_cast<int>(x), 2), columns[x]) << "column " << x;
    for (int x = static_cast<int>(columns.size()); x < Image.width(); ++x)
        ASSERT_EQ(Image.pixel(x, 2), panel) << "column " << x;
}

std::optional<ScanResult> ScanControl(const QImage& Image) {
    // The symbol starts at the control's edge; give the scanner a quiet zone around it.
    QImage framed(Image.width() + 80, Image.height() + 80, QImage::Format_Grayscale8);
    framed.fill(255);
    QPainter painter(&framed);
    painter.drawImage(40, 40, Image);
    painter.end();
    return Scan(framed.constBits(), framed.width(), framed.height(),
                static_cast<int>(framed.bytesPerLine()));
}

TEST_F(WindowTest, StartUpShowsIndustrialTwoOfFiveWithoutAnyPress) {
    EXPECT_EQ(Form->ComboSelect->currentText(), "Industrial 2 of 5");
    EXPECT_EQ(Form->BarcodeValue->text(), "123456789");
    const TBarCode& control = *Form->BarCode1;
    EXPECT_EQ(control.BarType(), bcCode_2_5_industrial);
    EXPECT_EQ(control.BarCode(), "123456789");
    EXPECT_EQ(control.Modul(), 2);
    EXPECT_EQ(control.Ratio(), 3.0);
    EXPECT_EQ(control.TextShow(), tsBarCode);
    EXPECT_EQ(control.Alignment(), taLeftJustify);
    EXPECT_EQ(control.BevelOuter(), bvNone);
    EXPECT_EQ(control.AutoWidth(), false);
    EXPECT_EQ(control.Orientation(), toLeftRight);

    const QImage image = Barcode();
    ASSERT_EQ(image.size(), QSize(337, 89));
    // Narrow 2 and wide 6: start 20 + nine digits of 28 + stop 20 = 292 columns.
    EXPECT_EQ(ExpectedRow(bcCode_2_5_industrial, "123456789", 2, 3.0, 0).size(), 292u);
    ExpectSymbolAtLeftEdge(image, control);
    // Bars run to the bottom row where no text covers them.
    EXPECT_EQ(image.pixel(0, 88), qRgb(0, 0, 0));
    // The value is written over the bottom of the bars, centred: its white text box hides
    // bars in the middle of the last rows.
    int whiteInsideBar = 0;
    for (int x = 100; x < 190; ++x)
        if (image.pixel(x, 84) == qRgb(255, 255, 255) && image.pixel(x, 2) == qRgb(0, 0, 0))
            ++whiteInsideBar;
    EXPECT_GT(whiteInsideBar, 0);
    EXPECT_TRUE(Messages.empty());
}

// The window draws every symbology at Ratio 3.0. Code 128 and Code 93 don't clamp it, so
// their elements come out 1 : 3 : 4.5 : 6 instead of 1 : 2 : 3 : 4; a scanner reads some
// such symbols and not others, so only those that read are checked by scanning here.
struct Choice {
    const char* Label;
    TBarType Type;
    const char* Value;
    const char* Scanned; // what a scanner reads, or nullptr where it can't
};

class EveryChoice : public WindowTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(EveryChoice, DrawsItsSymbolAtOnce) {
    const Choice& choice = GetParam();
    Type(QString::fromLatin1(choice.Value));
    if (Form->ComboSelect->currentText() == choice.Label)
        Click(Form->ButtonGenerate);
    else
        Choose(QString::fromLatin1(choice.Label));
    ASSERT_TRUE(Messages.empty()) << Messages.front().Text.toStdString();
    EXPECT_EQ(Form->BarCode1->BarType(), choice.Type);
    EXPECT_EQ(Form->BarCode1->BarCode(), choice.Value);
    const QImage image = Barcode();
    ExpectSymbolAtLeftEdge(image, *Form->BarCode1);
    if (choice.Scanned) {
        const auto scan = ScanControl(image);
        ASSERT_TRUE(scan) << choice.Label;
        EXPECT_EQ(scan->Text, choice.Scanned);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, EveryChoice,
    ::testing::Values(Choice{"Industrial 2 of 5", bcCode_2_5_industrial, "31415", nullptr},
                      Choice{"Interleaved 2 of 5", bcCode_2_5_interleaved, "12345678", "12345678"},
                      Choice{"Code 128A", bcCode128A, "QM-128", nullptr},
                      Choice{"Code 128B", bcCode128B, "abc", "abc"},
                      Choice{"Code 128C", bcCode128C, "123456789", "0123456789"},
                      Choice{"Code 39", bcCode39, "AB-12", "AB-12"},
                      Choice{"Code 93", bcCode93, "QM-93", nullptr},
                      Choice{"Code EAN128A", bcCodeEAN128A, "0123", nullptr},
                      Choice{"Code EAN13", bcCodeEAN13, "4006381333931", "4006381333931"},
                      Choice{"Code MSI", bcCodeMSI, "12345", nullptr},
                      Choice{"Code PostNet", bcCodePostNet, "123455", nullptr},
                      Choice{"Code UPC-A", bcCodeUPC_A, "036000291452", "036000291452"}),
    [](const ::testing::TestParamInfo<Choice>& info) {
        return "Position" + std::to_string(info.index);
    });

TEST_F(WindowTest, Code128CShowsTheLeadingZero) {
    Type("123456789");
    Choose("Code 128C");
    ASSERT_TRUE(Messages.empty());
    const auto scan = ScanControl(Barcode());
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->Text, "0123456789");
}

// A failure met while choosing in the list is told under the value, not in a box that would
// stop a walk through the list at every step; Generate tells it in the box.
TEST_F(WindowTest, DigitsOnlyChoiceRepaintsStoredValueThenReportsTheTypedOne) {
    Type("12A");
    Choose("Code EAN13");
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Form->LabelStatus->text(), "Barcode Number Error: Only number accepted.");
    Click(Form->ButtonGenerate);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Kind, MessageKind::Plain);
    EXPECT_EQ(Messages[0].Text, "Barcode Number Error: Only number accepted.");
    EXPECT_EQ(Form->BarCode1->BarType(), bcCodeEAN13);
    EXPECT_EQ(Form->BarCode1->BarCode(), "123456789");
    ExpectSymbolAtLeftEdge(Barcode(), *Form->BarCode1);
}

TEST_F(WindowTest, RefusedCode93ValueStaysAndLaterRepaintGoesToDefaultErrorHandling) {
    Type("abc");
    Choose("Code 93");
    // Told under the value; the repaints that follow a choice add no box.
    EXPECT_EQ(Form->LabelStatus->text(), "Barcode Number Error: Only number accepted.");
    Form->BarCode1->repaint();
    QApplication::processEvents();
    EXPECT_TRUE(Messages.empty()) << Messages.front().Text.toStdString();
    Click(Form->ButtonGenerate);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Text, "Barcode Number Error: Only number accepted.");
    EXPECT_EQ(Form->BarCode1->BarType(), bcCode93);
    EXPECT_EQ(Form->BarCode1->BarCode(), "abc");

    // A repaint asked for by the windowing system: the error box comes after the paint.
    Form->BarCode1->repaint();
    EXPECT_EQ(Messages.size(), 1u);
    QApplication::processEvents();
    ASSERT_EQ(Messages.size(), 2u);
    EXPECT_EQ(Messages[1].Kind, MessageKind::Error);
    EXPECT_EQ(Messages[1].Text, "abc : Code_93 bad data.");
    // The program goes on: the same repaint error is not shown again and again.
    Form->BarCode1->repaint();
    QApplication::processEvents();
    EXPECT_EQ(Messages.size(), 2u);
    EXPECT_TRUE(Form->isVisible());
}

// A value the new symbology takes is drawn at once, even where the value it replaces can't
// be drawn in that symbology.
TEST_F(WindowTest, SymbologyChangeDrawsTheNewValueAtOnce) {
    const struct {
        const char* Before;
        const char* BeforeLabel;
        const char* Typed;
    } cases[] = {
        {"abc", "Code 128B", "400638133393"},
        {"HELLO-99", "Code 39", "400638133393"},
    };
    for (const auto& c : cases) {
        Choose(c.BeforeLabel);
        Type(c.Before);
        Click(Form->ButtonGenerate);
        ASSERT_TRUE(Messages.empty()) << Messages.front().Text.toStdString();
        // Twelve digits: the window completes the check digit.
        Type(c.Typed);
        Choose("Code EAN13");
        EXPECT_TRUE(Messages.empty()) << Messages.front().Text.toStdString();
        EXPECT_TRUE(Form->LabelStatus->text().isEmpty()) << Form->LabelStatus->text().toStdString();
        EXPECT_EQ(Form->BarCode1->BarType(), bcCodeEAN13);
        EXPECT_EQ(Form->BarCode1->BarCode(), "4006381333931");
        const auto scan = ScanControl(Barcode());
        ASSERT_TRUE(scan);
        EXPECT_EQ(scan->Text, "4006381333931");
    }
}

// After a control-character refusal, the next valid value is drawn on the first Generate.
TEST_F(WindowTest, AValidValueAfterARefusalIsDrawnAtOnce) {
    Choose("Code 39");
    Type("HELLO-99");
    Click(Form->ButtonGenerate);
    QGuiApplication::clipboard()->setText(QStringLiteral("AB\nCD"));
    Form->BarcodeValue->clear();
    Form->BarcodeValue->paste();
    Choose("Code EAN13");
    Type("400638133393");
    Messages.clear();
    Click(Form->ButtonGenerate);
    EXPECT_TRUE(Messages.empty()) << Messages.front().Text.toStdString();
    EXPECT_EQ(Form->BarCode1->BarCode(), "4006381333931");
    EXPECT_EQ(Form->BarCode1->BarType(), bcCodeEAN13);
}

TEST_F(WindowTest, GenerateCompletesTheCheckDigitAndEnterGenerates) {
    Choose("Code EAN13");
    Messages.clear(); // "123456789" was padded; the choice itself is not the point here
    Type("400638133393");
    QTest::keyClick(Form->BarcodeValue, Qt::Key_Return);
    ASSERT_TRUE(Messages.empty()) << Messages.front().Text.toStdString();
    EXPECT_EQ(Form->BarcodeValue->text(), "4006381333931");
    EXPECT_EQ(Form->BarCode1->BarCode(), "4006381333931");
    const auto scan = ScanControl(Barcode());
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->Text, "4006381333931");
}

// Values the symbol would change, a pasted line break and text beyond Latin-1 leave the
// shown symbol alone and say why, under the value when chosen in the list and in a box on
// Generate; advice names only what the window offers, or where the rest is.
TEST_F(WindowTest, ValuesTheSymbolWouldChangeAreRefusedWithTheirSentence) {
    const struct {
        const char* Label;
        QString Value;
        const char* Sentence;
    } cases[] = {
        {"Code 39", "abc",
         "abc : position 1: 'a' is not in Code39; it carries upper case, digits, space and - . $ "
         "/ + % only. Code39 Extended carries it; the command line (quillmark-cli --type "
         "code39ext) and the library offer it."},
        {"Code EAN13", "4006381333932", "the EAN13 check digit is 1."},
        {"Code 128B", "A\nB\n",
         "position 2: line feed (0x0A) is not in Code128B; it carries printable ASCII (codes 32 "
         "to 126) only. Code 128 carries it; the command line (quillmark-cli --type code128) and "
         "the library offer it."},
        {"Code EAN128A", "(01)09501101530003",
         "GS1-128 carries it; the command line (quillmark-cli --type gs1128) and the library "
         "offer it."},
        {"Code 128B", QString::fromUtf8("\xD0\x9F\xD1\x80\xD0\xB8"),
         "position 1: '\xD0\x9F' (U+041F) is not in Latin-1"},
    };
    for (const auto& c : cases) {
        for (const bool generate : {false, true}) {
            Form->ComboSelect->setCurrentIndex(0);
            Type(QStringLiteral("123456789"));
            Click(Form->ButtonGenerate);
            const QImage before = Barcode();
            Messages.clear();
            // Pasted, as a line break reaches the edit.
            QGuiApplication::clipboard()->setText(c.Value);
            Form->BarcodeValue->clear();
            Form->BarcodeValue->paste();
            Choose(c.Label);
            if (generate) {
                Messages.clear();
                Click(Form->ButtonGenerate);
                ASSERT_EQ(Messages.size(), 1u) << c.Label;
                EXPECT_EQ(Messages[0].Kind, MessageKind::Error);
                EXPECT_TRUE(Messages[0].Text.contains(QString::fromUtf8(c.Sentence)))
                    << Messages[0].Text.toStdString();
            } else {
                EXPECT_TRUE(Messages.empty()) << Messages.front().Text.toStdString();
                EXPECT_TRUE(Form->LabelStatus->text().contains(QString::fromUtf8(c.Sentence)))
                    << Form->LabelStatus->text().toStdString();
            }
            EXPECT_EQ(Form->BarCode1->BarType(), bcCode_2_5_industrial);
            EXPECT_EQ(Form->BarCode1->BarCode(), "123456789");
            EXPECT_EQ(Barcode(), before);
        }
    }
}

TEST_F(WindowTest, LimitsAreShownAsThemselvesNotAsANumberError) {
    // A handler that always changes a property nests until the widget's bound stops it.
    Form->BarCode1->SetOnChange([](TBarCode& Sender) { Sender.SetModul(3 - Sender.Modul() % 2); });
    Type(QStringLiteral("987"));
    Click(Form->ButtonGenerate);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Kind, MessageKind::Error);
    EXPECT_TRUE(Messages[0].Text.contains(QStringLiteral("nested more than 32 deep")))
        << Messages[0].Text.toStdString();
}

TEST_F(WindowTest, EscapeDoesNotCloseTheWindow) {
    for (QWidget* focused :
         {static_cast<QWidget*>(Form->BarcodeValue), static_cast<QWidget*>(Form->ComboSelect)}) {
        QTest::keyClick(focused, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(Form->isVisible());
    }
}

TEST_F(WindowTest, CloseEndsTheProgram) {
    // The message loop runs until Close is pressed, then the program's loop ends by itself.
    QTimer::singleShot(0, [this] { Click(Form->ButtonClose); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(Form->isVisible());
}

TEST_F(WindowTest, LinkOpensTheHomePage) {
    QTest::mouseClick(Form->LabelLink, Qt::LeftButton);
    ASSERT_EQ(OpenedLinks.size(), 1u);
    EXPECT_EQ(OpenedLinks[0].toString(), "http://quillmark.org/");
    EXPECT_TRUE(Messages.empty());

    SetLinkOpener([](const QUrl&) { throw std::runtime_error("no desktop"); });
    QTest::mouseClick(Form->LabelLink, Qt::LeftButton);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].Text, "Link Error");
}

TEST_F(WindowTest, LayoutCaptionsAndTabOrder) {
    EXPECT_EQ(Form->windowTitle(), "Quillmark - quillmark.org");
    EXPECT_EQ(Form->size(), QSize(365, 351));
    EXPECT_EQ(Form->minimumSize(), Form->maximumSize());
    EXPECT_FALSE(Form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(Form->windowFlags() & Qt::WindowMaximizeButtonHint);

    struct Placement {
        QWidget* Control;
        QRect Geometry;
    };
    const Placement placements[] = {
        {Form->ComboSelect, {8, 24, 177, 21}},      {Form->BarcodeValue, {8, 80, 177, 21}},
        {Form->ButtonGenerate, {216, 72, 129, 33}}, {Form->GroupBox1, {8, 136, 353, 137}},
        {Form->BarCode1, {16, 160, 337, 89}},       {Form->ButtonSave, {8, 312, 121, 33}},
        {Form->ButtonClose, {248, 312, 113, 33}},
    };
    for (const Placement& p : placements) {
        EXPECT_EQ(p.Control->geometry(), p.Geometry) << p.Control->objectName().toStdString();
        EXPECT_EQ(p.Control->parentWidget(), Form.get());
    }
    // Labels keep their corner and at least their size, and grow to show the whole caption.
    const Placement labels[] = {{Form->Label1, {8, 8, 103, 13}},
                                {Form->Label2, {8, 64, 89, 13}},
                                {Form->LabelLink, {224, 280, 133, 20}}};
    for (const Placement& p : labels) {
        const QLabel* label = static_cast<QLabel*>(p.Control);
        EXPECT_EQ(label->pos(), p.Geometry.topLeft());
        EXPECT_GE(label->width(), p.Geometry.width());
        EXPECT_GE(label->height(), p.Geometry.height());
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    }

    EXPECT_EQ(Form->Label1->text(), "Barcode Symbology : ");
    EXPECT_EQ(Form->Label2->text(), "Barcode Number : ");
    EXPECT_EQ(Form->ButtonGenerate->text(), "Generate Barcode");
    EXPECT_EQ(Form->ButtonSave->text(), "Save as File");
    EXPECT_EQ(Form->ButtonClose->text(), "Close");
    EXPECT_EQ(Form->LabelLink->text(), "quillmark.org");
    EXPECT_TRUE(Form->GroupBox1->title().isEmpty());
    EXPECT_FALSE(Form->ComboSelect->isEditable());
    ASSERT_EQ(Form->ComboSelect->count(), 12);
    const char* entries[] = {"Industrial 2 of 5", "Interleaved 2 of 5", "Code 128A",
                             "Code 128B",         "Code 128C",          "Code 39",
                             "Code 93",           "Code EAN128A",       "Code EAN13",
                             "Code MSI",          "Code PostNet",       "Code UPC-A"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(Form->ComboSelect->itemText(i), entries[i]);

    EXPECT_EQ(Form->font().pixelSize(), 11);
    EXPECT_EQ(Form->LabelLink->font().pixelSize(), 16);
    EXPECT_TRUE(Form->LabelLink->font().underline());
    EXPECT_EQ(Form->LabelLink->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(Form->LabelLink->cursor().shape(), Qt::PointingHandCursor);
    const QImage link = Form->LabelLink->grab().toImage();
    int bluePixels = 0;
    for (int y = 0; y < link.height(); ++y)
        for (int x = 0; x < link.width(); ++x)
            bluePixels += link.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(bluePixels, 20); // drawn in blue, not just set so
    EXPECT_EQ(Form->BarCode1->Font().pixelSize(), 16);

    // Tab order: list, button, edit, barcode, group box, save, close; the barcode and the
    // group box take no focus, so Tab visits the other five in that order.
    QWidget* const order[] = {Form->ComboSelect, Form->ButtonGenerate, Form->BarcodeValue,
                              Form->BarCode1,    Form->GroupBox1,      Form->ButtonSave,
                              Form->ButtonClose};
    std::vector<QWidget*> chain;
    QWidget* widget = Form->ComboSelect;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != Form->ComboSelect);
    std::vector<QWidget*> expected;
    for (QWidget* w : order)
        if (w->focusPolicy() & Qt::TabFocus)
            expected.push_back(w);
    EXPECT_EQ(chain, expected);
    EXPECT_GE(expected.size(), 5u);
}

} // namespace
} // namespace quillmark::testing
