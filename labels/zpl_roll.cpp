#include "zpl_roll.h"

#include "label_fit.h"
#include "label_run.h"
#include "printable_area.h"
#include "sheet_plan.h"

#include <quillmark/atomic_file.h>
#include <quillmark/raster_image.h>
#include <quillmark/units.h>
#include <quillmark/zpl.h>

#include <cmath>

namespace quillmark {

namespace {

int Dots(double MM, int Dpi) {
    return static_cast<int>(std::lround(MM * Dpi / MMPerInch));
}

class TZplRollRun : TLabelRun {
public:
    TZplRollRun(const TOutputJob& Job, const TSheetSettings& Settings, const std::string& FileName,
                const TLabelReport& Report)
        : TLabelRun(Job, Settings, Report), FFile(FileName) {
        CheckZplDpi(Job.Description.Dpi);
        if (!TakesZplLabels(Settings.Sheet))
            throw Exception(Settings.Sheet.Name() +
                            " is a sheet of many labels a page; ZPL takes a roll's, one label "
                            "at a time: choose a roll or continuous template, or write a PDF.");
    }

    void Draw(const TLabelRecord& Record) {
        if (Record.Copies == 0)
            return;
        TOutputResult Result;
        QByteArray Label;
        const std::optional<TPreparedSymbol> Symbol = PreparedOrFailed(Record, Result, [&] {
            if (!Record.Text.empty())
                throw Exception("ZPL : A label's lines of text are drawn on PDF sheets only; "
                                "leave out --label-text or write a PDF.");
            std::optional<TPreparedSymbol> Prepared =
                PrepareLabelSymbol(FJob, FSettings, Record, {}, TFileFormat::Zpl, Result);
            if (Prepared) {
                Label = LabelOf(*Prepared);
                ReadBack(*Prepared, Result);
            }
            return Prepared;
        });
        if (!Symbol)
            return;
        Result.Written = true;
        for (std::uint64_t Copy = 0; Copy < Record.Copies; ++Copy) {
            FFile.Write(
                std::string_view(Label.constData(), static_cast<std::size_t>(Label.size())));
            ++FSummary.Labels;
        }
        FReport({Record, Result, nullptr});
    }

    TSheetSummary Finish() {
        FSummary.Pages = static_cast<int>(FSummary.Labels);
        if (FAllDrawn && FSummary.Labels > 0) {
            FFile.Commit();
            FSummary.Written = true;
        }
        return FSummary;
    }

private:
    // The symbol on a label of the template's size, where the sheet run would place it.
    QByteArray LabelOf(TPreparedSymbol& Symbol) const {
        const TLabelTemplate& Sheet = FSettings.Sheet;
        const TOutputLayout& Layout = Symbol.Raster();
        const TRectMM Block = *PlaceBlock(TPrintableArea(Sheet, {0, 0, Sheet.Width, Sheet.Height}),
                                          FSettings.Align, Layout, {});
        const int dpi = Layout.Dpi;
        return RenderZplLabel(Layout, Dots(Sheet.Width, dpi), Dots(Sheet.Height, dpi),
                              Dots(Block.Left, dpi), Dots(Block.Top, dpi));
    }

    void ReadBack(TPreparedSymbol& Symbol, TOutputResult& Result) const {
        if (!FJob.Verifier)
            return;
        if (std::optional<std::string> Note =
                FJob.Verifier(RenderImage(Symbol.Raster()), Symbol.Description()))
            Result.Notes.push_back(std::move(*Note));
    }

    TAtomicFile FFile;
};

} // namespace

bool TakesZplLabels(const TLabelTemplate& Sheet) {
    return PrintsOnePerPage(Sheet);
}

TSheetSummary RunZplRoll(const TOutputJob& Job, const TSheetSettings& Settings,
                         const TRecordSource& Next, const std::string& FileName,
                         const TLabelReport& Report) {
    TZplRollRun Run(Job, Settings, FileName, Report);
    while (const std::optional<TLabelRecord> Record = Next())
        Run.Draw(*Record);
    return Run.Finish();
}

} // namespace quillmark
