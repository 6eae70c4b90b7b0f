// The studio's main window: the symbol list, the value, the symbol at its true size with
// its findings and print-fit report, and the options its type takes; Save, Copy and Print
// through the output job.
#pragma once

#include "value_editor.h"
#include <quillmark/description.h>
#include <quillmark/file_formats.h>
#include <quillmark/output_job.h>

#include <QMainWindow>
#include <QSettings>

#include <memory>

class QAction;
class QDockWidget;
class QLabel;
class QTabWidget;
class QPlainTextEdit;
class QSpinBox;
class QSplitter;

namespace quillmark {
class TPreparedSymbol;
}

namespace quillmark::studio {

class TBatchView;
class TCommandPane;
class TSymbolList;
class TSymbolOptions;
class TSymbolPreview;

class TStudioWindow : public QMainWindow {
    Q_OBJECT

public:
    // Settings: where the window keeps its state between runs; none takes the user's.
    explicit TStudioWindow(std::unique_ptr<QSettings> Settings = nullptr,
                           QWidget* Parent = nullptr);
    ~TStudioWindow() override;

    // Editors that fit a type, asked at each change of type; the plain line editor serves
    // where Factory gives none.
    void SetValueEditorFactory(TValueEditorFactory Factory);

    TBarType Type() const;
    void SetType(TBarType Type);
    QString Value() const;
    void SetValue(const QString& Value);

    // Why nothing may leave the window (the refusal shown in place), or empty.
    QString Refusal() const;
    // The symbol as the window would write it, or none while the value is refused.
    const TBarcodeDescription* Described() const;
    // The job Save runs (in PNG; the file name chooses the format), the Batch view's too.
    const TOutputJob& Job() const { return FJob; }

    // Writes the symbol to FileName in the format of its extension, through the output job;
    // false, with the reason shown in place, where it couldn't.
    bool SaveTo(const QString& FileName);
    void SaveAs();
    void CopySymbol();
    void PrintSymbol();

    TSymbolList* List() const { return FList; }
    TSymbolOptions* Options() const { return FOptions; }
    TSymbolPreview* Preview() const { return FPreview; }
    TValueEditor* Editor() const { return FEditor; }
    TBatchView* Batch() const { return FBatch; }
    TCommandPane* CommandPane() const { return FCommand; }
    // The Symbol and Batch views.
    QTabWidget* Views() const { return FViews; }
    QAction* SaveAction() const { return FSave; }
    QAction* CopyAction() const { return FCopy; }
    QAction* PrintAction() const { return FPrint; }
    // Whether a symbol with findings is refused (--strict) and what is saved read back
    // (--verify).
    QAction* StrictAction() const { return FStrict; }
    QAction* VerifyAction() const { return FVerify; }

protected:
    void closeEvent(QCloseEvent* Event) override;

private:
    QWidget* MakeSymbolView();
    void CreateActions();
    // The job of the options and output settings now given.
    TOutputJob MakeJob() const;
    // The command-line pane's command for the symbol shown.
    void ShowCommand();
    // The file Save proposes for the value: its safe characters, as PNG.
    QString ProposedFileName() const;
    void ChangeType(TBarType Type);
    void ReplaceEditor(TBarType Type);
    // Describes, checks and draws the symbol anew; everything shown follows from here.
    void Refresh();
    void ShowRefusal(const QString& Why);
    void ShowProblem(const QString& What);
    void LoadSettings();
    void SaveSettings() const;

    std::unique_ptr<QSettings> FSettings;
    TValueEditorFactory FFactory;
    TSymbolList* FList = nullptr;
    TSymbolOptions* FOptions = nullptr;
    TSymbolPreview* FPreview = nullptr;
    TValueEditor* FEditor = nullptr;
    QWidget* FEditorHolder = nullptr;
    QLabel* FRefusal = nullptr;
    QPlainTextEdit* FFindings = nullptr;
    QSpinBox* FZoom = nullptr;
    QSplitter* FSplitter = nullptr;
    QAction* FSave = nullptr;
    QAction* FCopy = nullptr;
    QAction* FPrint = nullptr;
    QAction* FStrict = nullptr;
    QAction* FVerify = nullptr;
    QTabWidget* FViews = nullptr;
    TBatchView* FBatch = nullptr;
    TCommandPane* FCommand = nullptr;
    QDockWidget* FCommandDock = nullptr;
    TOutputJob FJob;
    std::unique_ptr<TPreparedSymbol> FSymbol;
    QString FFolder; // where the last file was saved
};

} // namespace quillmark::studio
