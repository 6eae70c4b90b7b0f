#include "sheet_job.h"

#include "label_fit.h"
#include "label_outline.h"
#include "label_run.h"
#include "printable_area.h"
#include "sheet_plan.h"
#include "zpl_roll.h"

#include <quillmark/inks.h>
#include <quillmark/latin1.h>
#include <quillmark/prepared_symbol.h>
#include <quillmark/sheet_document.h>
#include <quillmark/units.h>

#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace quillmark {
namespace {

// The label lines' ink: black, and black ink alone where the symbols' text is printed in
// CMYK, so that a print shop's plates get no black made of all four inks.
TInk LineInk(const TBarcodeDescription& Description) {
    return TInk{clBlack,
                TextInk(Description).Cmyk ? std::optional<TCmyk>(CmykOf(clBlack)) : std::nullopt};
}

// A label is read back at this resolution or finer, and at least this many pixels a module.
constexpr int LeastReadBackDpi = 600;
constexpr double LeastReadBackPixels = 4;

// Labels are drawn as vector files are: their findings and report are a PDF's.
constexpr TFileFormat SheetFormat = TFileFormat::Pdf;

int ReadBackDpi(double XMM) {
    return std::max(LeastReadBackDpi,
                    static_cast<int>(std::ceil(LeastReadBackPixels * MMPerInch / XMM)));
}

// The pages of the document as the plan's slots reach them.
class TPages {
public:
    TPages(TSheetDocument& Document, const TSheetPlan& Plan) : FDocument(Document), FPlan(Plan) {}

    void Reach(std::uint64_t Page) {
        if (FIsOpen && FOpen == Page)
            return;
        Close();
        FDocument.BeginPage(FPlan.PageWidth(), FPlan.PageHeight());
        FOpen = Page;
        FIsOpen = true;
        ++FCount;
    }
    void Close() {
        if (FIsOpen)
            FDocument.EndPage();
        FIsOpen = false;
    }
    int Count() const { return FCount; }

private:
    TSheetDocument& FDocument;
    const TSheetPlan& FPlan;
    std::uint64_t FOpen = 0;
    bool FIsOpen = false;
    int FCount = 0;
};

// A record's lines of text, and their extents in the settings' font.
struct TLabelLines {
    std::vector<QString> Text;
    std::vector<TTextExtent> Extents;
};

// One run: the plan, the document and the outcomes so far.
class TSheetRun : TLabelRun {
public:
    TSheetRun(const TOutputJob& Job, const TSheetSettings& Settings, const std::string& FileName,
              const TLabelReport& Report)
        : TLabelRun(Job, Settings, Report), FPlan(Settings.Sheet, Settings.Skip),
          FDocument(FileName, Settings.Sheet.Name() + " labels"), FPages(FDocument, FPlan) {}

    void Draw(const TLabelRecord& Record) {
        if (Record.Copies == 0)
            return;
        TLabelLines Lines;
        for (const std::string& Line : Record.Text) {
            Lines.Text.push_back(QString::fromStdString(Line));
            Lines.Extents.push_back(MeasureText(Lines.Text.back(), FSettings.TextFont));
        }
        TOutputResult Result;
        std::optional<TPreparedSymbol> Symbol =
            PreparedOrFailed(Record, Result, [&] { return Prepared(Record, Lines, Result); });
        if (!Symbol)
            return;
        for (std::uint64_t Copy = 0; Copy < Record.Copies; ++Copy)
            DrawCopy(Record, *Symbol, Lines, Result);
    }

    TSheetSummary Finish() {
        FPages.Close();
        FSummary.Pages = FPages.Count();
        if (FAllDrawn && FSummary.Labels > 0) {
            FDocument.Finish();
            FSummary.Written = true;
        }
        return FSummary;
    }

private:
    std::optional<TPreparedSymbol> Prepared(const TLabelRecord& Record, const TLabelLines& Lines,
                                            TOutputResult& Result) const {
        return PrepareLabelSymbol(FJob, FSettings, Record, Lines.Extents, SheetFormat, Result);
    }

    void DrawCopy(const TLabelRecord& Record, TPreparedSymbol& Symbol, const TLabelLines& Lines,
                  const TOutputResult& Checked) {
        const TLabelSlot Slot = FPlan.Next();
        FPages.Reach(Slot.Page);
        const TOutputLayout& Layout = Symbol.Vector();
        const TRectMM Block = *PlaceBlock(TPrintableArea(FSettings.Sheet, Slot.Cell),
                                          FSettings.Align, Layout, Lines.Extents);
        const TLabelBlock Parts =
            ArrangeBlock(LayoutWidthMM(Layout), LayoutHeightMM(Layout), Lines.Extents);
        FDocument.Symbol(Layout, Block.Left + Parts.SymbolLeft, Block.Top);
        for (std::size_t i = 0; i < Lines.Text.size(); ++i)
            FDocument.Text(Lines.Text[i], FSettings.TextFont, Block.Left + Parts.Lines[i].Left,
                           Block.Top + Parts.Lines[i].Baseline, LineInk(FJob.Description));
        if (FSettings.Outline)
            FDocument.Outline(LabelOutline(FSettings.Sheet, Slot.Cell));
        TOutputResult Result = Checked;
        try {
            ReadBack(Symbol, Slot.Cell, Result);
        } catch (...) {
            Fail(Record, Result, std::current_exception());
            return;
        }
        Result.Written = true;
        ++FSummary.Labels;
        FReport({Record, Result, nullptr});
    }

    // The label read back from its cell as the page holds it, where the job reads back.
    void ReadBack(TPreparedSymbol& Symbol, const TLabelCell& Cell, TOutputResult& Result) const {
        if (!FJob.Verifier)
            return;
        const QImage Picture = FDocument.Raster(QRectF(Cell.X, Cell.Y, Cell.Width, Cell.Height),
                                                ReadBackDpi(XDimensionOf(Symbol.Description())));
        if (std::optional<std::string> Note = FJob.Verifier(Picture, Symbol.Description()))
            Result.Notes.push_back(std::move(*Note));
    }

    TSheetPlan FPlan;
    TSheetDocument FDocument;
    TPages FPages;
};

} // namespace

TBarcodeDescription LabelDescription(const TOutputJob& Job, const TSheetSettings& Settings,
                                     const TLabelRecord& Record) {
    if (!Record.Type)
        return Job.Description;
    if (Settings.DescriptionFor)
        return Settings.DescriptionFor(*Record.Type);
    TBarcodeDescription Own = Job.Description;
    Own.Barcode.BarType = *Record.Type;
    return Own;
}

std::optional<TPreparedSymbol> PrepareLabelSymbol(const TOutputJob& Job,
                                                  const TSheetSettings& Settings,
                                                  const TLabelRecord& Record,
                                                  const std::vector<TTextExtent>& Lines,
                                                  TFileFormat Format, TOutputResult& Result) {
    std::optional<TPreparedSymbol> Symbol;
    Symbol.emplace(LabelDescription(Job, Settings, Record), ValueFromText(Record.Value),
                   Job.CheckDigits, Job.Lenient);
    if (!CheckOutputSymbol(Job, *Symbol, Format, Result))
        return std::nullopt;
    // Every cell is the label's size: one check serves them all.
    const TLabelTemplate& Sheet = Settings.Sheet;
    const TPrintableArea Area(Sheet, {0, 0, Sheet.Width, Sheet.Height});
    const TOutputLayout& Layout = Symbol->LayoutFor(Format);
    if (!PlaceBlock(Area, Settings.Align, Layout, Lines))
        throw Exception(
            LabelTooLargeMessage(Sheet, Settings.Align, Symbol->Description(), Layout, Lines));
    return Symbol;
}

TSheetSummary RunSheetJob(const TOutputJob& Job, const TSheetSettings& Settings,
                          const TRecordSource& Next, const std::string& FileName,
                          const TLabelReport& Report) {
    if (Job.Format == TFileFormat::Zpl)
        return RunZplRoll(Job, Settings, Next, FileName, Report);
    TSheetRun Run(Job, Settings, FileName, Report);
    while (const std::optional<TLabelRecord> Record = Next())
        Run.Draw(*Record);
    return Run.Finish();
}

} // namespace quillmark
