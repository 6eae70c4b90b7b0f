// The one dialog Save as File, Copy and Print open first: the file's size, margins, text
// and colours, with a preview of exactly what will be written and how it measures up.
#pragma once

#include <quillmark/description.h>
#include <quillmark/files.h>
#include <quillmark/output_job.h>

#include <QDialog>
#include <QImage>

#include <optional>
#include <string>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace quillmark {

enum class TExportPurpose { Save, Copy, Print };

class TExportDialog : public QDialog {
    Q_OBJECT

public:
    // Base is the shown symbol as output takes it (DescribeForOutput); Value and Mode are
    // what TPreparedSymbol takes. Opens with the choices kept from the last OK.
    TExportDialog(TExportPurpose Purpose, const TBarcodeDescription& Base, std::string Value,
                  TCheckDigits Mode, QWidget* Parent = nullptr);

    // Base with the dialog's choices.
    TBarcodeDescription Description() const;
    // Save: the chosen format. Copy draws from the raster layout (PNG), Print from the
    // vector one (SVG); the report and findings are of that layout.
    TFileFormat Format() const;
    // The picture the preview shows scaled down; null when the symbol can't be drawn.
    const QImage& Preview() const { return preview_; }
    QString ReportText() const;
    QString FindingsText() const;
    // False when the symbol can't be drawn as chosen; OK is disabled then.
    bool Acceptable() const { return drawable_; }
    // The symbol the preview was drawn from, the one to write; where none could be prepared,
    // prepared again, raising why.
    TPreparedSymbol& Prepared();
    // Keeps the dialog's choices for its next opening.
    void Keep() const;

    // The fields, by their roles; a change to any redraws the preview.
    QComboBox* FileFormat = nullptr; // shown for Save only
    QDoubleSpinBox* XDimension = nullptr;
    QComboBox* Resolution = nullptr;     // editable: dpi
    QDoubleSpinBox* BarHeight = nullptr; // 0: the standard height
    QComboBox* QuietZone = nullptr;      // standard, none, or QuietModules
    QSpinBox* QuietModules = nullptr;
    QComboBox* TextLayout = nullptr;
    QDoubleSpinBox* FontSize = nullptr;
    QPushButton* BarColor = nullptr;
    QPushButton* SpaceColor = nullptr;
    QPushButton* TextColor = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void CreateFields();
    void ShowChoices(const TBarcodeDescription& Chosen, TFileFormat Format);
    TFileFormat ChosenFormat() const; // kept for Save even while Copy or Print hides it
    QPushButton* AddColorButton(TColor& Color);
    void Update();

    TExportPurpose purpose_;
    TBarcodeDescription base_;
    std::string value_;
    TCheckDigits mode_;
    TColor bar_ = clBlack;
    TColor space_ = clWhite;
    TColor text_ = clBlack;
    std::optional<TPreparedSymbol> symbol_; // of the fields as they stand
    QImage preview_;
    bool drawable_ = false;
    QLabel* previewLabel_ = nullptr;
    QLabel* report_ = nullptr;
    QLabel* findings_ = nullptr;
};

} // namespace quillmark
