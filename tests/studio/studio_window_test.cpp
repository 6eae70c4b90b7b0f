// The studio's window: options that follow the type, refusals in place, files that read back,
// and what it keeps between runs.
#include "studio_fixture.h"
#include "symbol_options.h"
#include "symbol_preview.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <set>
#include <string>

namespace quillmark::studio::testing {
namespace {

using StudioWindow = StudioTest;

// Every option one type or another has of its own.
const char* const OwnOptions[] = {"Ratio",
                                  "CheckDigits",
                                  "BarHeight",
                                  "QuietZoneMarks",
                                  "QrLevel",
                                  "QrVersion",
                                  "DataMatrixShape",
                                  "DataMatrixRows",
                                  "DataMatrixColumns",
                                  "DigitalLinkDomain",
                                  "DataBarSegments",
                                  "Bearers",
                                  "BearerModules"};

TEST_F(StudioWindow, ATypeIsOfferedItsOwnOptionsOnly) {
    const struct {
        TBarType Type;
        std::set<std::string> Offered;
    } cases[] = {
        {bcCode128, {"CheckDigits", "BarHeight"}},
        {bcCode39, {"Ratio", "CheckDigits", "BarHeight"}},
        // The add-on is the value's: the EAN-13 editor offers it (WindowEditors).
        {bcCodeEAN13, {"CheckDigits", "BarHeight", "QuietZoneMarks"}},
        {bcCodeISBN, {"BarHeight", "QuietZoneMarks"}},
        {bcCodeITF14, {"Ratio", "BarHeight", "Bearers", "BearerModules"}},
        {bcCodeGS1_128, {"BarHeight"}},
        {bcCodeQR, {"QrLevel", "QrVersion"}},
        {bcCodeGS1DigitalLinkQR, {"QrLevel", "QrVersion", "DigitalLinkDomain"}},
        {bcCodeDataMatrix, {"DataMatrixShape", "DataMatrixRows", "DataMatrixColumns"}},
        {bcCodeDataBarExpandedStacked, {"DataBarSegments"}},
        {bcCodeDataBar, {}},
    };
    const auto window = MakeWindow();
    for (const auto& [type, offered] : cases) {
        window->SetType(type);
        for (const char* option : OwnOptions)
            EXPECT_EQ(window->Options()->Offers(QString::fromLatin1(option)),
                      offered.contains(option))
                << BarTypeName(type) << ": " << option;
    }
}

TEST_F(StudioWindow, ARefusedValueIsShownInPlaceAndDisablesSave) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Says; // part of the refusal
    } cases[] = {
        {bcCodeEAN13, "4006381333932", "check digit is 1"},
        {bcCodeEAN13, "40063813339X", "numeric"},
        {bcCodeGS1_128, "(01)09501101530004", "check digit"},
        {bcCode39, "lower case", "position 1"},
        {bcCodeQR, "", "Type a value"},
    };
    const auto window = MakeWindow();
    for (const auto& [type, value, says] : cases) {
        window->SetType(type);
        window->SetValue(QString::fromLatin1(value));
        EXPECT_TRUE(window->Refusal().contains(QString::fromLatin1(says)))
            << BarTypeName(type) << " " << value << ": " << window->Refusal().toStdString();
        EXPECT_FALSE(window->SaveAction()->isEnabled()) << value;
        EXPECT_FALSE(window->CopyAction()->isEnabled()) << value;
        EXPECT_EQ(window->Preview()->ModulePixels(), 0) << value;
        EXPECT_FALSE(window->SaveTo(folder.filePath(QStringLiteral("refused.png"))));
    }
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("refused.png"))));
    window->SetValue(QStringLiteral("Quillmark"));
    EXPECT_TRUE(window->Refusal().isEmpty()) << window->Refusal().toStdString();
    EXPECT_TRUE(window->SaveAction()->isEnabled());
}

// One type of each family, saved as a PNG and read back by zxing-cpp; PostNet, which
// zxing-cpp doesn't read, is checked for its file alone.
TEST_F(StudioWindow, SavedFilesReadBack) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Reads; // as zxing-cpp gives the bytes; none where it can't read the type
    } cases[] = {
        {bcCodeEAN13, "400638133393", "4006381333931"},
        {bcCodeGS1_128, "(00)106141411234567897", "00106141411234567897"},
        {bcCode128, "Studio 36", "Studio 36"},
        {bcCodePostNet, "12345", nullptr},
        {bcCodeDataMatrix, "Quillmark Studio", "Quillmark Studio"},
    };
    const auto window = MakeWindow();
    for (const auto& [type, value, reads] : cases) {
        window->SetType(type);
        window->SetValue(QString::fromLatin1(value));
        const QString path = folder.filePath(QString::fromLatin1(BarTypeData(type).Identifier) +
                                             QStringLiteral(".png"));
        ASSERT_TRUE(window->SaveTo(path)) << BarTypeName(type);
        if (reads != nullptr) {
            EXPECT_EQ(ReadBack(path, type), reads) << BarTypeName(type);
        } else
            EXPECT_FALSE(QImage(path).isNull()) << BarTypeName(type);
    }
}

TEST_F(StudioWindow, SavesEachFormatByItsExtension) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"symbol.svg", "<svg"}, {"symbol.pdf", "%PDF-"}, {"symbol.png", "\x89PNG"}};
    const auto window = MakeWindow();
    window->SetType(bcCode128);
    window->SetValue(QStringLiteral("ABC"));
    for (const auto& [name, starts] : cases) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(window->SaveTo(path)) << name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(4096).contains(starts)) << name;
    }
    EXPECT_FALSE(window->SaveTo(folder.filePath(QStringLiteral("symbol.gif"))));
}

TEST_F(StudioWindow, CopyPutsTheSymbolOnTheClipboard) {
    const auto window = MakeWindow();
    window->SetType(bcCodeEAN8);
    window->SetValue(QStringLiteral("5512345"));
    QGuiApplication::clipboard()->clear();
    window->CopySymbol();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->data(QStringLiteral("image/png")).startsWith("\x89PNG"));
    EXPECT_EQ(copied->text(), QStringLiteral("55123457"));
}

TEST_F(StudioWindow, ThePreviewMagnifiesByWholePixels) {
    const auto window = MakeWindow();
    window->SetType(bcCode128);
    window->SetValue(QStringLiteral("ABC"));
    TSymbolPreview& preview = *window->Preview();
    const int module = preview.ModulePixels();
    ASSERT_GT(module, 0);
    // The quiet zones tinted, the white of the text line under the bars not.
    const QImage& picture = preview.Picture();
    EXPECT_NE(picture.pixelColor(0, picture.height() / 2), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() - 1), QColor(Qt::white));
    const QSize trueSize = preview.sizeHint();
    preview.SetZoom(3);
    EXPECT_EQ(preview.ModulePixels(), 3 * module);
    EXPECT_EQ(preview.sizeHint(), trueSize * 3);
    preview.SetZoom(MostZoom + 5);
    EXPECT_EQ(preview.Zoom(), MostZoom);
}

TEST_F(StudioWindow, KeepsTheSymbolAndItsOptionsBetweenRuns) {
    {
        const auto window = MakeWindow();
        window->SetType(bcCodeQR);
        window->findChild<QComboBox*>(QStringLiteral("QrLevel"))->setCurrentIndex(3);
        window->SetValue(QStringLiteral("kept"));
        window->VerifyAction()->setChecked(true);
        window->close();
    }
    const auto window = MakeWindow();
    EXPECT_EQ(window->Type(), bcCodeQR);
    EXPECT_EQ(window->Value(), QStringLiteral("kept"));
    ASSERT_NE(window->Described(), nullptr) << window->Refusal().toStdString();
    EXPECT_EQ(window->Described()->Barcode.Matrix.QrLevel, TQrLevel::H);
    EXPECT_TRUE(window->VerifyAction()->isChecked());
    EXPECT_FALSE(window->StrictAction()->isChecked());
}

} // namespace
} // namespace quillmark::studio::testing

namespace quillmark::studio::testing {
namespace {

// An editor of its own for one type, as the type-fitting editors plug in.
class TUpperEditor : public TLineValueEditor {
public:
    using TLineValueEditor::TLineValueEditor;
    QString Value() const override { return TLineValueEditor::Value().toUpper(); }
};

TEST_F(StudioWindow, ATypesOwnEditorTakesOverAndTheValueCarriesOver) {
    const auto window = MakeWindow();
    window->SetType(bcCode128);
    window->SetValue(QStringLiteral("abc"));
    window->SetValueEditorFactory([](TBarType Type, QWidget* Parent) {
        return Type == bcCode39 ? std::make_unique<TUpperEditor>(Parent) : nullptr;
    });
    TValueEditor* plain = window->Editor();
    window->SetType(bcCode39);
    ASSERT_NE(dynamic_cast<TUpperEditor*>(window->Editor()), nullptr);
    EXPECT_EQ(window->Value(), QStringLiteral("ABC"));
    EXPECT_TRUE(window->Refusal().isEmpty()) << window->Refusal().toStdString();
    EXPECT_EQ(window->Described()->Barcode.BarCode, "ABC");
    window->SetType(bcCode128);
    EXPECT_EQ(dynamic_cast<TUpperEditor*>(window->Editor()), nullptr);
    EXPECT_NE(window->Editor(), plain);
    // The value as the last editor gave it.
    window->SetType(bcCode93);
    EXPECT_EQ(window->Value(), QStringLiteral("ABC"));
}

} // namespace
} // namespace quillmark::studio::testing
