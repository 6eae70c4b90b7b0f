#include "symbol_options.h"

#include <quillmark/description_ranges.h>
#include <quillmark/inks.h>
#include <quillmark/itf14.h>
#include <quillmark/module_grid.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace quillmark::studio {

namespace {

// A choice's label beside the value it stands for; the combo box holds the value's ordinal.
template <typename T> using TLabels = std::initializer_list<std::pair<const char*, T>>;

// The text setting's first entry leaves it to the type (DefaultTextShow).
constexpr int TypesTextShow = -1;
const TLabels<int> TextShowLabels{{"As the type shows it", TypesTextShow},
                                  {"None", tsNone},
                                  {"Value", tsBarCode},
                                  {"Type name", tsBarType},
                                  {"Value and type name", tsBoth}};
const TLabels<TTextLayout> TextLayoutLabels{{"As the standard prints it", tlStandard},
                                            {"Over the bars", tlOverBars}};
const TLabels<TTextPosition> TextPositionLabels{
    {"Bottom centre", tpBottomCenter}, {"Bottom left", tpBottomLeft},
    {"Bottom right", tpBottomRight},   {"Top centre", tpTopCenter},
    {"Top left", tpTopLeft},           {"Top right", tpTopRight}};
const TLabels<TCheckDigits> CheckDigitLabels{{"Complete or check (GS1)", TCheckDigits::Auto},
                                             {"None added", TCheckDigits::None},
                                             {"Modulo 10 added", TCheckDigits::Mod10}};
const TLabels<TQrLevel> QrLevelLabels{{"L (7 %)", TQrLevel::L},
                                      {"M (15 %)", TQrLevel::M},
                                      {"Q (25 %)", TQrLevel::Q},
                                      {"H (30 %)", TQrLevel::H}};
const TLabels<TDataMatrixShape> ShapeLabels{{"Square", TDataMatrixShape::Square},
                                            {"Rectangle", TDataMatrixShape::Rectangle},
                                            {"Either, the smaller", TDataMatrixShape::Any}};
const TLabels<TITF14Bearers> BearerLabels{{"Frame", TITF14Bearers::Frame},
                                          {"Above and below", TITF14Bearers::TopAndBottom},
                                          {"None", TITF14Bearers::None}};
const TLabels<TColourModel> ColourModelLabels{{"RGB", TColourModel::Rgb},
                                              {"CMYK (PDF, EPS)", TColourModel::Cmyk}};
// The spin boxes' bound for a fixed Data Matrix size (ISO/IEC 16022's largest, 144x144); the
// matrix library refuses a size it doesn't have, and the window shows why.
constexpr int LargestDataMatrixSide = 144;
constexpr std::array Orientations{toLeftRight, toBottomTop, toRightLeft, toTopBottom};

template <typename T> QComboBox* Choices(const TLabels<T>& Labels, T Default) {
    auto* combo = new QComboBox;
    for (const auto& [label, value] : Labels) {
        combo->addItem(QString::fromUtf8(label), static_cast<int>(value));
        if (value == Default)
            combo->setCurrentIndex(combo->count() - 1);
    }
    return combo;
}

template <typename T> T Chosen(const QComboBox* Combo) {
    return static_cast<T>(Combo->currentData().toInt());
}

// A size whose 0 stands for the type's standard one.
QDoubleSpinBox* Millimetres(double Maximum, int Decimals) {
    auto* spin = new QDoubleSpinBox;
    spin->setRange(0, Maximum);
    spin->setDecimals(Decimals);
    spin->setSingleStep(Decimals > 2 ? 0.01 : 1);
    spin->setSuffix(QStringLiteral(" mm"));
    spin->setSpecialValueText(QStringLiteral("Standard"));
    return spin;
}

QSpinBox* Whole(int Minimum, int Maximum, int Value, const QString& Special = {}) {
    auto* spin = new QSpinBox;
    spin->setRange(Minimum, Maximum);
    spin->setValue(Value);
    spin->setSpecialValueText(Special);
    return spin;
}

QColor ColorOf(TColor Color) {
    return {Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF};
}

TColor ToTColor(const QColor& Color) {
    return Color.red() | (Color.green() << 8) | (Color.blue() << 16);
}

void ShowColor(QPushButton* Button, const QColor& Color) {
    Button->setProperty("color", Color);
    Button->setText(Color.name());
    Button->setStyleSheet(QStringLiteral("background-color: %1; color: %2")
                              .arg(Color.name(), Color.lightness() < 128 ? "white" : "black"));
}

QPushButton* ColorButton(TColor Color) {
    auto* button = new QPushButton;
    ShowColor(button, ColorOf(Color));
    return button;
}

TColor ButtonColor(const QPushButton* Button) {
    return ToTColor(Button->property("color").value<QColor>());
}

} // namespace

TSymbolOptions::TSymbolOptions(QWidget* Parent) : QWidget(Parent) {
    const TBarcodeDescription defaults;
    auto* common = new QGroupBox(QStringLiteral("Size and look"), this);
    auto* own = new QGroupBox(QStringLiteral("This type's own"), this);
    own->setObjectName(QStringLiteral("OwnOptions"));
    FCommon = new QFormLayout(common);
    FOwn = new QFormLayout(own);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(common);
    layout->addWidget(own);
    layout->addStretch();

    AddRow(FCommon, QStringLiteral("X-dimension"), Millimetres(MaxXDimensionMM, 3), "XDimension");
    auto* dpi = Whole(MinDpi, MaxDpi, DefaultDpi);
    dpi->setSuffix(QStringLiteral(" dpi"));
    AddRow(FCommon, QStringLiteral("Resolution"), dpi, "Dpi");
    AddRow(FCommon, QStringLiteral("Bar height"), Millimetres(MaxBarHeightMM, 2), "BarHeight");
    // -1 stands for the type's standard quiet zones, 0 for none.
    auto* zone = Whole(-1, MaxQuietZoneX, -1, QStringLiteral("Standard"));
    zone->setSuffix(QStringLiteral(" X"));
    AddRow(FCommon, QStringLiteral("Quiet zones"), zone, "QuietZone");
    auto* ratio = new QDoubleSpinBox;
    ratio->setRange(MinRatio, MaxRatio);
    ratio->setSingleStep(0.05);
    ratio->setValue(DefaultOutputRatio);
    AddRow(FCommon, QStringLiteral("Wide-to-narrow ratio"), ratio, "Ratio");
    AddRow(FCommon, QStringLiteral("Check digit"), Choices(CheckDigitLabels, TCheckDigits::Auto),
           "CheckDigits");
    auto* rotation = new QComboBox;
    for (const TOrientation orientation : Orientations)
        rotation->addItem(QStringLiteral("%1°").arg(AngleOf(orientation)), orientation);
    AddRow(FCommon, QStringLiteral("Rotation"), rotation, "Rotation");
    AddRow(FCommon, QStringLiteral("Text"), Choices(TextShowLabels, TypesTextShow), "TextShow");
    AddRow(FCommon, QStringLiteral("Text layout"), Choices(TextLayoutLabels, tlStandard),
           "TextLayout");
    AddRow(FCommon, QStringLiteral("Text position"), Choices(TextPositionLabels, tpBottomCenter),
           "TextPosition");
    auto* font = new QFontComboBox;
    font->setCurrentFont(DefaultOutputFont());
    AddRow(FCommon, QStringLiteral("Font"), font, "Font");
    auto* size = new QDoubleSpinBox;
    size->setRange(MinFontSizePt, MaxFontSizePt);
    size->setValue(DefaultFontSizePt);
    size->setSuffix(QStringLiteral(" pt"));
    AddRow(FCommon, QStringLiteral("Font size"), size, "FontSize");
    AddRow(FCommon, QStringLiteral("Bars"), ColorButton(defaults.Barcode.ColorBar), "BarColor");
    AddRow(FCommon, QStringLiteral("Spaces"), ColorButton(defaults.Barcode.ColorSpc), "SpaceColor");
    AddRow(FCommon, QStringLiteral("Text colour"), ColorButton(defaults.FontColor), "TextColor");
    AddRow(FCommon, QStringLiteral("Colours for print"),
           Choices(ColourModelLabels, DefaultColourModel), "ColourModel")
        ->setToolTip(QStringLiteral("CMYK writes PDF and EPS in print inks: black as black ink "
                                    "alone, white as no ink"));
    AddRow(FCommon, QStringLiteral("Transparent background"), new QCheckBox, "Transparent");
    auto* reduction = Millimetres(MaxXDimensionMM, 3);
    reduction->setSpecialValueText(QStringLiteral("None"));
    reduction->setToolTip(QStringLiteral("Every bar this much narrower and every space this much "
                                         "wider, for ink that spreads; whole dots in a PNG"));
    AddRow(FCommon, QStringLiteral("Bar width reduction"), reduction, "BarWidthReduction");

    AddRow(FOwn, QStringLiteral("Quiet zone marks"), new QCheckBox, "QuietZoneMarks");
    const TMatrixOptions matrix;
    AddRow(FOwn, QStringLiteral("Error correction"), Choices(QrLevelLabels, matrix.QrLevel),
           "QrLevel");
    AddRow(FOwn, QStringLiteral("Version"),
           Whole(0, LargestQrVersion, matrix.QrVersion, QStringLiteral("Smallest")), "QrVersion");
    AddRow(FOwn, QStringLiteral("Data Matrix shape"), Choices(ShapeLabels, matrix.DataMatrixShape),
           "DataMatrixShape");
    AddRow(FOwn, QStringLiteral("Rows"),
           Whole(0, LargestDataMatrixSide, matrix.DataMatrixRows, QStringLiteral("Smallest")),
           "DataMatrixRows");
    AddRow(FOwn, QStringLiteral("Columns"),
           Whole(0, LargestDataMatrixSide, matrix.DataMatrixColumns, QStringLiteral("Smallest")),
           "DataMatrixColumns");
    auto* domain = new QLineEdit(QString::fromStdString(matrix.DigitalLinkDomain));
    AddRow(FOwn, QStringLiteral("Digital Link domain"), domain, "DigitalLinkDomain");
    auto* segments = Whole(ExpandedSegmentsLeast, ExpandedSegmentsMost, matrix.DataBarSegments);
    segments->setSingleStep(2);
    AddRow(FOwn, QStringLiteral("Segments per row"), segments, "DataBarSegments");
    AddRow(FOwn, QStringLiteral("Bearer bars"), Choices(BearerLabels, ITF14Facts.BearersDefault),
           "Bearers");
    AddRow(FOwn, QStringLiteral("Bearer thickness"),
           Whole(ITF14Facts.BearerMinModules, ITF14BearerMostModules, ITF14BearerDefaultModules),
           "BearerModules");
    SetType(FType);
}

QWidget* TSymbolOptions::AddRow(QFormLayout* Form, const QString& Label, QWidget* Field,
                                const char* Name) {
    Field->setObjectName(QString::fromLatin1(Name));
    Form->addRow(Label, Field);
    if (auto* spin = qobject_cast<QSpinBox*>(Field))
        connect(spin, &QSpinBox::valueChanged, this, &TSymbolOptions::Changed);
    else if (auto* real = qobject_cast<QDoubleSpinBox*>(Field))
        connect(real, &QDoubleSpinBox::valueChanged, this, &TSymbolOptions::Changed);
    else if (auto* combo = qobject_cast<QComboBox*>(Field))
        connect(combo, &QComboBox::currentIndexChanged, this, &TSymbolOptions::Changed);
    else if (auto* line = qobject_cast<QLineEdit*>(Field))
        connect(line, &QLineEdit::textChanged, this, &TSymbolOptions::Changed);
    else if (auto* check = qobject_cast<QCheckBox*>(Field))
        connect(check, &QCheckBox::toggled, this, &TSymbolOptions::Changed);
    else if (auto* button = qobject_cast<QPushButton*>(Field))
        connect(button, &QPushButton::clicked, this, [this, button, Label] {
            const QColor color =
                QColorDialog::getColor(button->property("color").value<QColor>(), this, Label);
            if (color.isValid()) {
                ShowColor(button, color);
                emit Changed();
            }
        });
    return Field;
}

template <typename T> T* TSymbolOptions::Field(const char* Name) const {
    return findChild<T*>(QString::fromLatin1(Name));
}

void TSymbolOptions::SetType(TBarType Type) {
    FType = Type;
    const TTypeOptions takes = OptionsOf(Type);
    const std::pair<const char*, bool> rows[] = {
        {"Ratio", takes.Ratio},
        {"CheckDigits", takes.CheckDigits},
        {"BarHeight", takes.BarHeight},
        {"QuietZoneMarks", takes.QuietZoneMarks},
        {"QrLevel", takes.QrOptions},
        {"QrVersion", takes.QrOptions},
        {"DataMatrixShape", takes.DataMatrixSize},
        {"DataMatrixRows", takes.DataMatrixSize},
        {"DataMatrixColumns", takes.DataMatrixSize},
        {"DigitalLinkDomain", takes.DigitalLinkDomain},
        {"DataBarSegments", takes.DataBarSegments},
        {"Bearers", takes.Bearers},
        {"BearerModules", takes.Bearers},
        {"BarWidthReduction", takes.BarWidthReduction},
    };
    bool anyOwn = false;
    for (const auto& [name, offered] : rows) {
        QWidget* field = Field<QWidget>(name);
        QFormLayout* form = FCommon->indexOf(field) >= 0 ? FCommon : FOwn;
        form->setRowVisible(field, offered);
        anyOwn = anyOwn || (offered && form == FOwn);
    }
    findChild<QGroupBox*>(QStringLiteral("OwnOptions"))->setVisible(anyOwn);
    // Micro QR Code has four versions, QR Code forty.
    Field<QSpinBox>("QrVersion")
        ->setMaximum(Type == bcCodeMicroQR ? LargestMicroVersion : LargestQrVersion);
}

QWidget* TSymbolOptions::FirstField() const {
    return Field<QWidget>("XDimension");
}

bool TSymbolOptions::Offers(const QString& Name) const {
    QWidget* field = findChild<QWidget*>(Name);
    if (field == nullptr)
        return false;
    if (FCommon->indexOf(field) >= 0)
        return FCommon->isRowVisible(field);
    return !findChild<QGroupBox*>(QStringLiteral("OwnOptions"))->isHidden() &&
           FOwn->isRowVisible(field);
}

void TSymbolOptions::Apply(TBarcodeDescription& Description) const {
    const TTypeOptions takes = OptionsOf(FType);
    TSymbolLook& look = Description.Barcode;
    Description.XDimensionMM = Field<QDoubleSpinBox>("XDimension")->value();
    Description.Dpi = Field<QSpinBox>("Dpi")->value();
    Description.BarHeightMM = takes.BarHeight ? Field<QDoubleSpinBox>("BarHeight")->value() : 0;
    const int zone = Field<QSpinBox>("QuietZone")->value();
    Description.QuietZone = zone < 0 ? std::nullopt : std::optional<int>(zone);
    if (takes.Ratio)
        look.Ratio = Field<QDoubleSpinBox>("Ratio")->value();
    look.Orientation = Chosen<TOrientation>(Field<QComboBox>("Rotation"));
    const int show = Field<QComboBox>("TextShow")->currentData().toInt();
    look.TextShow = show == TypesTextShow ? DefaultTextShow(FType) : static_cast<TTextShow>(show);
    look.TextLayout = Chosen<TTextLayout>(Field<QComboBox>("TextLayout"));
    look.TextPosition = Chosen<TTextPosition>(Field<QComboBox>("TextPosition"));
    Description.Font.setFamily(Field<QFontComboBox>("Font")->currentFont().family());
    Description.FontSizePt = Field<QDoubleSpinBox>("FontSize")->value();
    look.ColorBar = ButtonColor(Field<QPushButton>("BarColor"));
    look.ColorSpc = ButtonColor(Field<QPushButton>("SpaceColor"));
    Description.FontColor = ButtonColor(Field<QPushButton>("TextColor"));
    // The colours above are the only ones set here: their CMYK, if any, is the model's.
    Description.BarCmyk = Description.SpaceCmyk = Description.TextCmyk = Description.TextBoxCmyk =
        std::nullopt;
    if (Chosen<TColourModel>(Field<QComboBox>("ColourModel")) == TColourModel::Cmyk)
        UseCmykModel(Description);
    Description.Transparent = Field<QCheckBox>("Transparent")->isChecked();
    Description.BarWidthReductionMM =
        takes.BarWidthReduction ? Field<QDoubleSpinBox>("BarWidthReduction")->value() : 0;
    look.QuietZoneMarks = takes.QuietZoneMarks && Field<QCheckBox>("QuietZoneMarks")->isChecked();
    TMatrixOptions& matrix = look.Matrix;
    if (takes.QrOptions) {
        matrix.QrLevel = Chosen<TQrLevel>(Field<QComboBox>("QrLevel"));
        matrix.QrVersion = Field<QSpinBox>("QrVersion")->value();
    }
    if (takes.DataMatrixSize) {
        matrix.DataMatrixShape = Chosen<TDataMatrixShape>(Field<QComboBox>("DataMatrixShape"));
        matrix.DataMatrixRows = Field<QSpinBox>("DataMatrixRows")->value();
        matrix.DataMatrixColumns = Field<QSpinBox>("DataMatrixColumns")->value();
    }
    if (takes.DigitalLinkDomain)
        matrix.DigitalLinkDomain = Field<QLineEdit>("DigitalLinkDomain")->text().toStdString();
    if (takes.DataBarSegments)
        matrix.DataBarSegments = Field<QSpinBox>("DataBarSegments")->value();
    if (takes.Bearers) {
        look.Bearers = Chosen<TITF14Bearers>(Field<QComboBox>("Bearers"));
        look.BearerModules = Field<QSpinBox>("BearerModules")->value();
    }
}

TCheckDigits TSymbolOptions::CheckDigits() const {
    return OptionsOf(FType).CheckDigits ? Chosen<TCheckDigits>(Field<QComboBox>("CheckDigits"))
                                        : TCheckDigits::Auto;
}

void TSymbolOptions::Save(QSettings& Settings) const {
    for (const QWidget* field : findChildren<QWidget*>()) {
        const QString key = field->objectName();
        if (key.isEmpty() || key.startsWith(u"qt_"))
            continue;
        if (const auto* spin = qobject_cast<const QSpinBox*>(field))
            Settings.setValue(key, spin->value());
        else if (const auto* real = qobject_cast<const QDoubleSpinBox*>(field))
            Settings.setValue(key, real->value());
        else if (const auto* font = qobject_cast<const QFontComboBox*>(field))
            Settings.setValue(key, font->currentFont().family());
        else if (const auto* combo = qobject_cast<const QComboBox*>(field))
            Settings.setValue(key, combo->currentData());
        else if (const auto* line = qobject_cast<const QLineEdit*>(field))
            Settings.setValue(key, line->text());
        else if (const auto* check = qobject_cast<const QCheckBox*>(field))
            Settings.setValue(key, check->isChecked());
        else if (const auto* button = qobject_cast<const QPushButton*>(field))
            Settings.setValue(key, button->property("color"));
    }
}

void TSymbolOptions::Load(const QSettings& Settings) {
    const QSignalBlocker quiet(this);
    for (QWidget* field : findChildren<QWidget*>()) {
        const QString key = field->objectName();
        if (key.isEmpty() || key.startsWith(u"qt_") || !Settings.contains(key))
            continue;
        const QVariant value = Settings.value(key);
        const QSignalBlocker quietField(field);
        if (auto* spin = qobject_cast<QSpinBox*>(field))
            spin->setValue(value.toInt());
        else if (auto* real = qobject_cast<QDoubleSpinBox*>(field))
            real->setValue(value.toDouble());
        else if (auto* font = qobject_cast<QFontComboBox*>(field))
            font->setCurrentFont(QFont(value.toString()));
        else if (auto* combo = qobject_cast<QComboBox*>(field)) {
            if (const int index = combo->findData(value); index >= 0)
                combo->setCurrentIndex(index);
        } else if (auto* line = qobject_cast<QLineEdit*>(field))
            line->setText(value.toString());
        else if (auto* check = qobject_cast<QCheckBox*>(field))
            check->setChecked(value.toBool());
        else if (auto* button = qobject_cast<QPushButton*>(field))
            if (const QColor color = value.value<QColor>(); color.isValid())
                ShowColor(button, color);
    }
}

} // namespace quillmark::studio
