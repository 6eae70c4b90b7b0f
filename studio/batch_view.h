// The Batch view: a table file or a sequence read through the labels library, its rows shown
// with what will become of each, and the labels written on a sheet chosen from the template
// database, whose page is previewed to scale.
#pragma once

#include "batch_records.h"
#include "command_line.h"

#include <quillmark/output_job.h>
#include <template_database.h>

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace quillmark::studio {

class TBatchRowsModel;
class TSheetPreview;
class TSheetTemplateList;

class TBatchView : public QWidget {
    Q_OBJECT
public:
    explicit TBatchView(QWidget* Parent = nullptr);
    ~TBatchView() override;

    // The run's settings, from the window that owns the symbol's options; the rows' statuses
    // follow them.
    void SetOutputJob(const TOutputJob& Job);

    // The input as the controls say, and the controls set to Input, its rows read.
    TBatchInput Input() const;
    void SetInput(const TBatchInput& Input);

    // Writes the rows on the chosen sheet into the PDF FileName; the outcome goes to the
    // message line. True when the file was written.
    bool WriteSheet(const QString& FileName);
    // Writes each row's file into Folder, named as the file name box says; the outcome goes
    // to the message line. True when every file was written.
    bool WriteFiles(const QString& Folder);

    // Where the output chosen would write now: the sheet chosen (none: an empty name) into
    // the last PDF written, else a proposed name; or the folder box's folder, else the last
    // one written, with the file name box's template.
    TBatchOutput Output() const;

    TBatchRowsModel& Model() const { return *FModel; }
    TSheetTemplateList& Templates() const { return *FTemplates; }
    QString Message() const;

public slots:
    // Reads the input again, as the controls now say.
    void Reload();

signals:
    // The input was read again, or the output's sheet, page, folder or file name changed:
    // what Input() and Output() give may differ.
    void Changed();

private:
    QWidget* MakeTablePage();
    QWidget* MakeSequencePage();
    QWidget* MakeSheetPage();
    QWidget* MakeFilesPage();
    void ChooseTable();
    void ChooseSheetFile();
    void ChooseFolder();
    // The job the rows are checked with, the output chosen's.
    TOutputJob RowsJob() const;
    // The last sheet written, else the name proposed for one.
    QString SheetFile() const;
    // A sheet's labels are drawn as a PDF is.
    TOutputJob SheetJob() const;
    void SayFailures(const QString& Summary, const std::vector<std::string>& Failures);
    void Say(const QString& Text, bool Fault);

    TTemplateDatabase FDatabase;
    TOutputJob FJob;
    TBatchRowsModel* FModel;
    QTabWidget* FSource;
    QLineEdit* FFile;
    QComboBox* FFormat;
    QCheckBox* FHeader;
    QLineEdit* FValueColumn;
    QLineEdit* FTypeColumn;
    QLineEdit* FCopiesColumn;
    QLineEdit* FRange;
    QLineEdit* FValueTemplate;
    std::array<QLineEdit*, MostLabelTextLines> FText{};
    QTableView* FRows;
    TSheetTemplateList* FTemplates;
    TSheetPreview* FPreview;
    QTabWidget* FOutput;
    QLineEdit* FFolder;
    QLineEdit* FFileName;
    QLabel* FMessage;
    QString FLastSheetFile;
    QString FLastFolder;
};

} // namespace quillmark::studio
