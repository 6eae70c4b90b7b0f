#include "form_main.h"

#include "barcode_output.h"
#include "default_error_handling.h"
#include "home_page.h"
#include "link_opener.h"
#include "messages.h"
#include "value_edit.h"
#include <quillmark/barcode.h>
#include <quillmark/error_messages.h>
#include <quillmark/latin1.h>
#include <quillmark/limit_error.h>
#include <quillmark/qt_colors.h>

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace quillmark {

namespace {

constexpr int ClientWidth = 365;
constexpr int ClientHeight = 351;

QFont SansSerif(int PixelSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(PixelSize);
    return font;
}

// Labels size themselves to their caption from their top-left corner, so a substitute
// font wider than the one the layout was made with never cuts a caption short.
QLabel* FitLabel(QLabel* Label) {
    const QSize hint = Label->sizeHint();
    Label->resize(std::max(Label->width(), hint.width()), std::max(Label->height(), hint.height()));
    return Label;
}

template <typename Widget>
Widget* Place(Widget* Control, int Left, int Top, int Width, int Height) {
    Control->setGeometry(Left, Top, Width, Height);
    return Control;
}

} // namespace

TFormMain::TFormMain(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Quillmark - ") + QLatin1String(HomePageAddress));
    // A fixed dialog frame: no resizing, no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(SansSerif(11));

    CreateControls();
    LoadBarCodeSettings();
    SetTabOrder();
    FormCreate();
    CreateOutputActions();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(ClientWidth / 2, ClientHeight / 2));
    } else {
        move(192, 107);
    }
}

void TFormMain::CreateControls() {
    Label1 =
        FitLabel(Place(new QLabel(QStringLiteral("Barcode Symbology : "), this), 8, 8, 103, 13));
    ComboSelect = Place(new QComboBox(this), 8, 24, 177, 21);
    ComboSelect->setEditable(false);
    Label2 = FitLabel(Place(new QLabel(QStringLiteral("Barcode Number : "), this), 8, 64, 89, 13));
    BarcodeValue = Place(new TValueEdit(QStringLiteral("123456789"), this), 8, 80, 177, 21);
    ButtonGenerate =
        Place(new QPushButton(QStringLiteral("Generate Barcode"), this), 216, 72, 129, 33);
    GroupBox1 = Place(new QGroupBox(this), 8, 136, 353, 137);
    // The barcode lies over the group box's frame, as its sibling, not inside it.
    BarCode1 = new TBarCode(this);
    BarCode1->setObjectName(QStringLiteral("BarCode1"));
    BarCode1->raise();
    LabelLink = Place(new QLabel(QLatin1String(HomePageAddress), this), 224, 280, 133, 20);
    ButtonSave = Place(new QPushButton(QStringLiteral("Save as File"), this), 8, 312, 121, 33);
    ButtonClose = Place(new QPushButton(QStringLiteral("Close"), this), 248, 312, 113, 33);
    LabelStatus = Place(new QLabel(this), 8, 104, 353, 30);
    LabelStatus->setWordWrap(true);
    LabelStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelStatus->setTextFormat(Qt::PlainText);
    QPalette statusPalette = LabelStatus->palette();
    statusPalette.setColor(QPalette::WindowText, Qt::darkRed);
    LabelStatus->setPalette(statusPalette);

    Label1->setObjectName(QStringLiteral("Label1"));
    ComboSelect->setObjectName(QStringLiteral("ComboSelect"));
    Label2->setObjectName(QStringLiteral("Label2"));
    BarcodeValue->setObjectName(QStringLiteral("BarcodeValue"));
    ButtonGenerate->setObjectName(QStringLiteral("ButtonGenerate"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    LabelLink->setObjectName(QStringLiteral("LabelLink"));
    ButtonSave->setObjectName(QStringLiteral("ButtonSave"));
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));

    QFont linkFont = SansSerif(16);
    linkFont.setUnderline(true);
    LabelLink->setFont(linkFont);
    QPalette linkPalette = LabelLink->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    LabelLink->setPalette(linkPalette);
    LabelLink->setCursor(Qt::PointingHandCursor);
    FitLabel(LabelLink);
    LabelLink->installEventFilter(this);

    for (QPushButton* button : {ButtonGenerate, ButtonSave, ButtonClose})
        button->setAutoDefault(false);
    // Enter in the value's edit generates.
    ButtonGenerate->setDefault(true);
    connect(ButtonGenerate, &QPushButton::clicked, this, [this] { ButtonGenerateClick(); });
    connect(ButtonClose, &QPushButton::clicked, this, [this] { ButtonCloseClick(); });
    connect(ButtonSave, &QPushButton::clicked, this, [this] { ButtonSaveClick(); });
}

void TFormMain::LoadBarCodeSettings() {
    // The control's first settings go through its writers in their stored order, so loading
    // repaints like any later change; settings equal to the control's defaults are omitted.
    BarCode1->setGeometry(16, 160, 337, 89);
    BarCode1->SetBarType(bcCode_2_5_industrial);
    BarCode1->SetBarCode("123456789");
    BarCode1->SetModul(2);
    BarCode1->SetRatio(3.0);
    BarCode1->SetTextShow(tsBarCode);
    BarCode1->SetAlignment(taLeftJustify);
    BarCode1->SetBevelOuter(bvNone);
    BarCode1->SetFont(SansSerif(16));
    BarCode1->SetFontColor(FromQColor(palette().color(QPalette::WindowText)));
}

void TFormMain::SetTabOrder() {
    // The barcode and the group box keep their places in the order but take no focus, so
    // Qt leaves them out and Tab visits the other five.
    QWidget* const order[] = {ComboSelect, ButtonGenerate, BarcodeValue, BarCode1,
                              GroupBox1,   ButtonSave,     ButtonClose};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void TFormMain::FormCreate() {
    FSymbologyMap = {bcCode_2_5_industrial,
                     bcCode_2_5_interleaved,
                     bcCode128A,
                     bcCode128B,
                     bcCode128C,
                     bcCode39,
                     bcCode93,
                     bcCodeEAN128A,
                     bcCodeEAN13,
                     bcCodeMSI,
                     bcCodePostNet,
                     bcCodeUPC_A};
    for (std::size_t i = 0; i < FSymbologyMap.size(); ++i)
        FSymbologyLabels[i] = BarTypeData(FSymbologyMap[i]).Label;
    for (const char* label : FSymbologyLabels)
        ComboSelect->addItem(QString::fromLatin1(label));
    ComboSelect->setCurrentIndex(0);
    // Connected only now: filling and selecting the first entry does not generate.
    connect(ComboSelect, &QComboBox::currentIndexChanged, this, [this] { ComboSelectChange(); });
}

void TFormMain::ButtonGenerateClick() {
    Generate(false);
}

void TFormMain::ComboSelectChange() {
    Generate(true);
}

bool TFormMain::Offers(TBarType Type) const {
    return std::find(FSymbologyMap.begin(), FSymbologyMap.end(), Type) != FSymbologyMap.end();
}

void TFormMain::Generate(bool Quietly) {
    ForgetReportedErrors();
    LabelStatus->clear();
    const auto tell = [this, Quietly](const QString& Text, bool Error) {
        if (Quietly)
            LabelStatus->setText(Text);
        else if (Error)
            ShowErrorMessage(this, Text);
        else
            ShowMessage(this, Text);
    };
    // A long value is quoted by its start and its length.
    const auto said = [this](const Exception& Error) {
        const std::string value = Latin1FromUtf8(BarcodeValue->text().toUtf8().toStdString(), '?');
        const std::string message = ShortenedMessage(Error.Message(), value);
        return QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()));
    };
    try {
        const int position = ComboSelect->currentIndex();
        if (position < 0 || position >= SymbologyCount)
            throw Exception("No symbology selected.");
        const TBarType type = FSymbologyMap[position];
        const TBarType shownType = BarCode1->BarType();
        const std::string shownValue = BarCode1->BarCode();
        std::shared_ptr<const TSymbolValue> encoded = ValueToWrite(
            *BarCode1, type, BarcodeValue->text(), [this](TBarType Type) { return Offers(Type); });
        const std::string value = encoded->Value();
        const QString shown = QString::fromLatin1(value.data(), qsizetype(value.size()));
        if (shown != BarcodeValue->text())
            BarcodeValue->setText(shown);
        // The old value is drawn in the new symbology first; where it can't be, the new
        // value goes in first, so that a value the new symbology takes is never refused for
        // the one it replaces.
        if (type != BarCode1->BarType() && value != BarCode1->BarCode()) {
            const TBarcodeSettings& s = BarCode1->Settings();
            try {
                MakeSymbol(type, s.BarCode, s.Modul, s.Ratio, s.CheckSum);
            } catch (const Exception&) {
                try {
                    BarCode1->SetBarCode(value);
                } catch (const ELimitError&) {
                    throw;
                } catch (const Exception&) {
                    // the old symbology refuses it; the usual order says why
                }
            }
        }
        // Drawn from the value just encoded, once the control holds it.
        BarCode1->UseEncoded(std::move(encoded));
        BarCode1->SetBarType(type);
        BarCode1->SetBarCode(value);
        // A change has repainted the control as it now stands; unchanged, it is drawn again,
        // so that a value it can't draw is told again.
        if (BarCode1->BarType() == shownType && BarCode1->BarCode() == shownValue)
            BarCode1->Repaint();
    } catch (const ERefusedValue& error) {
        // The control keeps the symbol it shows.
        tell(QString::fromUtf8(error.Message()), true); // UTF-8, and shortened already
    } catch (const ELimitError& error) {
        // The widget's own limits and resource failures are shown as what they are; the
        // fixed message is for values and settings the barcode refuses.
        tell(said(error), true);
    } catch (const Exception&) {
        tell(QStringLiteral("Barcode Number Error: Only number accepted."), false);
    } catch (const std::exception& error) {
        tell(QString::fromLatin1(error.what()), true);
    }
    if (Quietly && !LabelStatus->text().isEmpty()) {
        // The control may keep a value it can't draw; every repaint would report it again,
        // and the status line has told it.
        const TBarcodeSettings& s = BarCode1->Settings();
        try {
            BarCode1->Encoded().Symbol(s.Modul, s.Ratio);
        } catch (const Exception& error) {
            CountAsReported(QString::fromLatin1(error.what()));
        }
    }
    UpdatePreviewNote();
}

void TFormMain::ButtonCloseClick() {
    close();
}

void TFormMain::LabelLinkClick() {
    try {
        OpenLink(QUrl::fromUserInput(QLatin1String(HomePageAddress) + QLatin1Char('/')));
    } catch (...) {
        ShowMessage(this, QStringLiteral("Link Error"));
    }
}

void TFormMain::keyPressEvent(QKeyEvent* Event) {
    if (Event->key() == Qt::Key_Escape) {
        Event->ignore();
        return;
    }
    QDialog::keyPressEvent(Event);
}

bool TFormMain::eventFilter(QObject* Watched, QEvent* Event) {
    // Ctrl+C in the value's edit copies its selection; with nothing selected it copies the
    // barcode, as it does everywhere else in the window.
    if (Watched == BarcodeValue && Event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(Event)->matches(QKeySequence::Copy) &&
        !BarcodeValue->hasSelectedText()) {
        Event->ignore();
        return true;
    }
    if (Watched == LabelLink && Event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
        LabelLinkClick();
        return true;
    }
    return QDialog::eventFilter(Watched, Event);
}

} // namespace quillmark
