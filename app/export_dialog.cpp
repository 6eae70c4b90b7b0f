#include "export_dialog.h"

#include "export_settings.h"
#include <quillmark/error_messages.h>
#include <quillmark/output_job.h>
#include <quillmark/print_fit.h>
#include <quillmark/qt_colors.h>
#include <quillmark/standards_check.h>

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace quillmark {

namespace {

// Room for the preview: a symbol larger than this is shown scaled down.
constexpr int PreviewWidth = 360;
constexpr int PreviewHeight = 180;

enum QuietZoneChoice { qzStandard, qzNone, qzModules };

// The dialog's title and what OK goes on to (a further dialog for Save and Print).
struct TPurposeTexts {
    const char* Title;
    const char* Ok;
};

TPurposeTexts TextsOf(TExportPurpose Purpose) {
    switch (Purpose) {
    case TExportPurpose::Copy:
        return {"Copy", "Copy"};
    case TExportPurpose::Print:
        return {"Print", "Print..."};
    case TExportPurpose::Save:
        break;
    }
    return {"Save as File", "Save..."};
}

// One line each, with a long Value quoted by its start and its length.
QString Lines(const std::vector<std::string>& Texts, const std::string& Value) {
    QString text;
    for (const std::string& line : Texts)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) +
                QString::fromLatin1(ShortenedMessage(line, Value).c_str());
    return text;
}

void ShowSwatch(QPushButton* Button, TColor Color) {
    QPixmap swatch(16, 16);
    swatch.fill(ToQColor(Color));
    Button->setIcon(swatch);
}

// Nearest-pixel scaling, so that the bars stay crisp.
QPixmap Fitted(const QImage& Image) {
    if (Image.width() <= PreviewWidth && Image.height() <= PreviewHeight)
        return QPixmap::fromImage(Image);
    return QPixmap::fromImage(
        Image.scaled(PreviewWidth, PreviewHeight, Qt::KeepAspectRatio, Qt::FastTransformation));
}

} // namespace

TExportDialog::TExportDialog(TExportPurpose Purpose, const TBarcodeDescription& Base,
                             std::string Value, TCheckDigits Mode, QWidget* Parent)
    : QDialog(Parent), purpose_(Purpose), base_(Base), value_(std::move(Value)), mode_(Mode) {
    setWindowTitle(QString::fromLatin1(TextsOf(Purpose).Title));
    TBarcodeDescription chosen = base_;
    TFileFormat format = TFileFormat::Png;
    LoadExportSettings(chosen, format);
    CreateFields();
    ShowChoices(chosen, format);

    const auto update = [this] { Update(); };
    connect(FileFormat, &QComboBox::currentIndexChanged, this, update);
    connect(XDimension, &QDoubleSpinBox::valueChanged, this, update);
    connect(Resolution, &QComboBox::currentTextChanged, this, update);
    connect(BarHeight, &QDoubleSpinBox::valueChanged, this, update);
    connect(QuietZone, &QComboBox::currentIndexChanged, this, [this] {
        QuietModules->setEnabled(QuietZone->currentIndex() == qzModules);
        Update();
    });
    connect(QuietModules, &QSpinBox::valueChanged, this, update);
    connect(TextLayout, &QComboBox::currentIndexChanged, this, update);
    connect(FontSize, &QDoubleSpinBox::valueChanged, this, update);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Update();
}

void TExportDialog::CreateFields() {
    FileFormat = new QComboBox(this);
    for (const TFileFormatName& format : FileFormats)
        FileFormat->addItem(QString::fromLatin1(format.Name), static_cast<int>(format.Format));

    XDimension = new QDoubleSpinBox(this);
    XDimension->setDecimals(3);
    XDimension->setRange(0, MaxXDimensionMM); // 0 is the symbology's own
    XDimension->setSpecialValueText(QStringLiteral("standard"));
    XDimension->setSingleStep(0.01);
    XDimension->setSuffix(QStringLiteral(" mm"));

    Resolution = new QComboBox(this);
    Resolution->setEditable(true);
    Resolution->addItems({QStringLiteral("203"), QStringLiteral("300"), QStringLiteral("600")});
    Resolution->setValidator(new QIntValidator(MinDpi, MaxDpi, Resolution));

    BarHeight = new QDoubleSpinBox(this);
    BarHeight->setDecimals(2);
    BarHeight->setRange(0, MaxBarHeightMM);
    BarHeight->setSuffix(QStringLiteral(" mm"));
    BarHeight->setSpecialValueText(
        QStringLiteral("standard (%1 mm)")
            .arg(BarTypeData(base_.Barcode.BarType).BarHeightMM, 0, 'f', 2));

    QuietZone = new QComboBox(this);
    QuietZone->addItems(
        {QStringLiteral("standard"), QStringLiteral("none"), QStringLiteral("modules:")});
    QuietModules = new QSpinBox(this);
    QuietModules->setRange(1, MaxQuietZoneX); // 0 is "none"
    QuietModules->setSuffix(QStringLiteral(" X"));

    TextLayout = new QComboBox(this);
    TextLayout->addItems({QStringLiteral("standard"), QStringLiteral("over the bars")});

    FontSize = new QDoubleSpinBox(this);
    FontSize->setDecimals(1);
    FontSize->setRange(MinFontSizePt, MaxFontSizePt);
    FontSize->setSuffix(QStringLiteral(" pt"));

    BarColor = AddColorButton(bar_);
    BarColor->setText(QStringLiteral("Bars..."));
    SpaceColor = AddColorButton(space_);
    SpaceColor->setText(QStringLiteral("Spaces..."));
    TextColor = AddColorButton(text_);
    TextColor->setText(QStringLiteral("Text..."));

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->button(QDialogButtonBox::Ok)->setText(QString::fromLatin1(TextsOf(purpose_).Ok));

    previewLabel_ = new QLabel(this);
    previewLabel_->setFixedSize(PreviewWidth + 4, PreviewHeight + 4);
    previewLabel_->setAlignment(Qt::AlignCenter);
    previewLabel_->setFrameShape(QFrame::StyledPanel);
    previewLabel_->setWordWrap(true);
    report_ = new QLabel(this);
    findings_ = new QLabel(this);
    for (QLabel* label : {report_, findings_}) {
        label->setWordWrap(true);
        label->setMinimumWidth(300);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto* notes = new QVBoxLayout;
    notes->addWidget(new QLabel(QStringLiteral("<b>Report</b>"), this));
    notes->addWidget(report_);
    notes->addWidget(new QLabel(QStringLiteral("<b>Standards findings</b>"), this));
    notes->addWidget(findings_);
    notes->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(previewLabel_, 0, Qt::AlignTop);
    top->addLayout(notes, 1);

    auto* zone = new QHBoxLayout;
    zone->addWidget(QuietZone);
    zone->addWidget(QuietModules);
    auto* colors = new QHBoxLayout;
    for (QPushButton* button : {BarColor, SpaceColor, TextColor})
        colors->addWidget(button);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Format:"), FileFormat);
    fields->setRowVisible(FileFormat, purpose_ == TExportPurpose::Save);
    fields->addRow(QStringLiteral("X-dimension:"), XDimension);
    fields->addRow(QStringLiteral("Resolution (dpi):"), Resolution);
    fields->addRow(QStringLiteral("Bar height:"), BarHeight);
    fields->addRow(QStringLiteral("Quiet zones:"), zone);
    fields->addRow(QStringLiteral("Text:"), TextLayout);
    fields->addRow(QStringLiteral("Font size:"), FontSize);
    fields->addRow(QStringLiteral("Colours:"), colors);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(fields);
    whole->addWidget(Buttons);
}

QPushButton* TExportDialog::AddColorButton(TColor& Color) {
    auto* button = new QPushButton(this);
    connect(button, &QPushButton::clicked, this, [this, button, &Color] {
        const QColor picked = QColorDialog::getColor(ToQColor(Color), this, button->text());
        if (!picked.isValid())
            return; // cancelled
        Color = FromQColor(picked);
        ShowSwatch(button, Color);
        Update();
    });
    return button;
}

void TExportDialog::ShowChoices(const TBarcodeDescription& Chosen, TFileFormat Format) {
    FileFormat->setCurrentIndex(FileFormat->findData(static_cast<int>(Format)));
    XDimension->setValue(Chosen.XDimensionMM);
    Resolution->setCurrentText(QString::number(Chosen.Dpi));
    BarHeight->setValue(Chosen.BarHeightMM);
    const int zone = Chosen.QuietZone.value_or(-1);
    QuietZone->setCurrentIndex(zone < 0 ? qzStandard : zone == 0 ? qzNone : qzModules);
    QuietModules->setValue(zone > 0 ? zone : BarTypeData(Chosen.Barcode.BarType).QuietZone.Leading);
    QuietModules->setEnabled(zone > 0);
    TextLayout->setCurrentIndex(Chosen.Barcode.TextLayout == tlStandard ? 0 : 1);
    FontSize->setValue(Chosen.FontSizePt);
    bar_ = Chosen.Barcode.ColorBar;
    space_ = Chosen.Barcode.ColorSpc;
    text_ = Chosen.FontColor;
    ShowSwatch(BarColor, bar_);
    ShowSwatch(SpaceColor, space_);
    ShowSwatch(TextColor, text_);
}

TBarcodeDescription TExportDialog::Description() const {
    TBarcodeDescription d = base_;
    d.XDimensionMM = XDimension->value();
    d.Dpi = Resolution->currentText().toInt(); // 0 when empty: the layout says why it won't
    d.BarHeightMM = BarHeight->value();
    switch (QuietZone->currentIndex()) {
    case qzNone:
        d.QuietZone = 0;
        break;
    case qzModules:
        d.QuietZone = QuietModules->value();
        break;
    default:
        d.QuietZone.reset();
    }
    d.Barcode.TextLayout = TextLayout->currentIndex() == 0 ? tlStandard : tlOverBars;
    d.FontSizePt = FontSize->value();
    d.Barcode.ColorBar = bar_;
    d.Barcode.ColorSpc = space_;
    d.FontColor = text_;
    return d;
}

TFileFormat TExportDialog::ChosenFormat() const {
    return static_cast<TFileFormat>(FileFormat->currentData().toInt());
}

TFileFormat TExportDialog::Format() const {
    switch (purpose_) {
    case TExportPurpose::Copy:
        return TFileFormat::Png;
    case TExportPurpose::Print:
        return TFileFormat::Svg;
    case TExportPurpose::Save:
        break;
    }
    return ChosenFormat();
}

QString TExportDialog::ReportText() const {
    return report_->text();
}

QString TExportDialog::FindingsText() const {
    return findings_->text();
}

void TExportDialog::Keep() const {
    SaveExportSettings(Description(), ChosenFormat());
}

TPreparedSymbol& TExportDialog::Prepared() {
    if (!symbol_)
        symbol_.emplace(Description(), value_, mode_);
    return *symbol_;
}

void TExportDialog::Update() {
    drawable_ = false;
    preview_ = QImage();
    // The fields change the size and look only: the value is encoded once for all of them.
    std::shared_ptr<const TSymbolValue> encoded = symbol_ ? symbol_->SharedValue() : nullptr;
    symbol_.reset();
    try {
        TPreparedSymbol& symbol =
            symbol_.emplace(Description(), value_, mode_, false, std::move(encoded));
        const TOutputLayout& layout = symbol.LayoutFor(Format());
        const std::vector<std::string> findings = CheckStandard(symbol.Description(), layout);
        report_->setText(Lines(ReportLines(PrintFit(symbol.Description(), layout)), value_));
        findings_->setText(findings.empty() ? QStringLiteral("None") : Lines(findings, value_));
        drawable_ = true;
        // Vector output draws what a raster too large to preview can't.
        preview_ = RenderImage(symbol.Raster());
        previewLabel_->setPixmap(Fitted(preview_));
    } catch (const std::exception& error) {
        const QString why = QString::fromLatin1(ShortenedMessage(error.what(), value_).c_str());
        if (drawable_) {
            previewLabel_->setText(QStringLiteral("No preview: ") + why);
        } else {
            previewLabel_->clear();
            report_->setText(why);
            findings_->clear();
        }
    }
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(drawable_);
}

} // namespace quillmark
