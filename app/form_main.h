// The generator window: pick a symbology, type a value, see the barcode.
#pragma once

#include <quillmark/barcode_settings.h>
#include <quillmark/engine.h>

#include <QDialog>

#include <array>
#include <functional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmark {

class TBarCode;
class TPreparedSymbol;
struct TOutputJob;
enum class TExportPurpose;
enum class TFileFormat;

class TFormMain : public QDialog {
    Q_OBJECT

public:
    explicit TFormMain(QWidget* Parent = nullptr);

    // The window's controls, by their roles.
    QLabel* Label1 = nullptr;
    QComboBox* ComboSelect = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* BarcodeValue = nullptr;
    QPushButton* ButtonGenerate = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    TBarCode* BarCode1 = nullptr;
    QLabel* LabelLink = nullptr;
    QPushButton* ButtonSave = nullptr;
    QPushButton* ButtonClose = nullptr;
    // Under the value: why the last choice in the list drew nothing new, where a message box
    // would stop a walk through the list at every symbology that can't carry the value.
    QLabel* LabelStatus = nullptr;
    // On the barcode's context menu, with their shortcuts active in the whole window.
    QAction* ActionCopy = nullptr;
    QAction* ActionPrint = nullptr;
    QAction* ActionSave = nullptr;

    // The symbology offered at each list position, and its label.
    static constexpr int SymbologyCount = 12;
    const std::array<TBarType, SymbologyCount>& SymbologyMap() const { return FSymbologyMap; }
    const std::array<const char*, SymbologyCount>& SymbologyLabels() const {
        return FSymbologyLabels;
    }

    void ButtonGenerateClick();
    void ComboSelectChange();
    void ButtonCloseClick();
    void LabelLinkClick();
    // Save as File, Copy and Print: the whole symbol the control shows, at the size and
    // colours the export dialog sets, after asking about anything that keeps it from
    // meeting its standard.
    void ButtonSaveClick();
    void CopyClick();
    void PrintClick();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    // Escape does not close the window: only Close (or the window's own close box) does.
    void keyPressEvent(QKeyEvent* Event) override;

private:
    void CreateControls();
    void LoadBarCodeSettings();
    void SetTabOrder();
    void FormCreate();
    void CreateOutputActions();
    // Opens the export dialog for Purpose, then runs Output on its symbol and a job of its
    // format unless the user cancels or, told what keeps the symbol from meeting its
    // standard, declines Action; the job's gate asks again for the findings of another
    // format Output writes. Any failure becomes a message box.
    void RunOutput(TExportPurpose Purpose, const QString& Action,
                   const std::function<void(TPreparedSymbol&, TOutputJob&)>& Output);
    void UpdatePreviewNote();
    // Generate's work; a failure goes to a message box, or with Quietly to LabelStatus.
    void Generate(bool Quietly);
    // Save, Copy and Print are on only while the control shows a symbol that may leave the
    // window; their tooltips say why not.
    void UpdateOutputActions();
    bool Offers(TBarType Type) const;

    std::array<TBarType, SymbologyCount> FSymbologyMap{};
    std::array<const char*, SymbologyCount> FSymbologyLabels{};
};

} // namespace quillmark
