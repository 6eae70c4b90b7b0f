#include "sheet_job.h"

#include "label_fit.h"
#include "label_outline.h"
#include "printable_area.h"
#include "sheet_document.h"
#include "sheet_plan.h"

#include <quillmark/latin1.h>
#include <quillmark/prepared_symbol.h>
#include <quillmark/units.h>

#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace quillmark {
namespace {

// A label is read back at this resolution or finer, and at least this many pixels a module.
constexpr int LeastReadBackDpi = 600;
constexpr double LeastReadBackPixels = 4;

// Labels are drawn as vector files are: their findings and report are a PDF's.
constexpr TFileFormat SheetFormat = TFileFormat::Pdf;

int ReadBackDpi(double XMM) {
    return std::max(LeastReadBackDpi,
                    static_cast<int>(std::ceil(LeastReadBackPixels * MMPerInch / XMM)));
}

TBarcodeDescription DescriptionOf(const TOutputJob& Job, const TSheetSettings& Settings,
                                  const TLabelRecord& Record) {
    if (!Record.Type)
        return Job.Description;
    if (Settings.DescriptionFor)
        return Settings.DescriptionFor(*Record.Type);
    TBarcodeDescription Own = Job.Description;
    Own.Barcode.BarType = *Record.Type;
    return Own;
}

std::vector<QString> LinesOf(const TLabelRecord& Record) {
    std::vector<QString> Lines;
    for (const std::string& Line : Record.Text)
        Lines.push_back(QString::fromStdString(Line));
    return Lines;
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

} // namespace

TSheetSummary RunSheetJob(const TOutputJob& Job, const TSheetSettings& Settings,
                          const TRecordSource& Next, const std::string& FileName,
                          const TLabelReport& Report) {
    TSheetPlan Plan(Settings.Sheet, Settings.Skip);
    TSheetDocument Document(FileName, Settings.Sheet.Name() + " labels");
    TPages Pages(Document, Plan);
    TSheetSummary Summary;
    bool AllDrawn = true;
    while (const std::optional<TLabelRecord> Record = Next()) {
        if (Record->Copies == 0)
            continue;
        TOutputResult Result;
        const std::vector<QString> Lines = LinesOf(*Record);
        std::vector<TTextExtent> Extents;
        for (const QString& Line : Lines)
            Extents.push_back(MeasureText(Line, Settings.TextFont));
        std::optional<TPreparedSymbol> Symbol;
        try {
            Symbol.emplace(DescriptionOf(Job, Settings, *Record), ValueFromText(Record->Value),
                           Job.CheckDigits, Job.Lenient);
            if (!CheckOutputSymbol(Job, *Symbol, SheetFormat, Result)) {
                AllDrawn = false;
                Report({*Record, Result, nullptr});
                continue;
            }
            const TOutputLayout& Layout = Symbol->Vector();
            const TPrintableArea Area(Settings.Sheet,
                                      {0, 0, Settings.Sheet.Width, Settings.Sheet.Height});
            if (!PlaceBlock(Area, Settings.Align, Layout, Extents))
                throw Exception(TooLargeMessage(Settings.Sheet, Settings.Align,
                                                Symbol->Description(), Layout, Extents));
        } catch (...) {
            AllDrawn = false;
            Report({*Record, Result, std::current_exception()});
            continue;
        }
        const TOutputLayout& Layout = Symbol->Vector();
        for (std::uint64_t Copy = 0; Copy < Record->Copies; ++Copy) {
            const TLabelSlot Slot = Plan.Next();
            Pages.Reach(Slot.Page);
            const TRectMM Block = *PlaceBlock(TPrintableArea(Settings.Sheet, Slot.Cell),
                                              Settings.Align, Layout, Extents);
            const TLabelBlock Parts =
                ArrangeBlock(LayoutWidthMM(Layout), LayoutHeightMM(Layout), Extents);
            Document.Symbol(Layout, Block.Left + Parts.SymbolLeft, Block.Top);
            for (std::size_t i = 0; i < Lines.size(); ++i)
                Document.Text(Lines[i], Settings.TextFont, Block.Left + Parts.Lines[i].Left,
                              Block.Top + Parts.Lines[i].Baseline);
            if (Settings.Outline)
                Document.Outline(LabelOutline(Settings.Sheet, Slot.Cell));
            TOutputResult Drawn = Result;
            std::exception_ptr Error;
            if (Job.Verifier) {
                try {
                    const QRectF Cell(Slot.Cell.X, Slot.Cell.Y, Slot.Cell.Width, Slot.Cell.Height);
                    const QImage Picture =
                        Document.Raster(Cell, ReadBackDpi(XDimensionOf(Symbol->Description())));
                    if (std::optional<std::string> Note =
                            Job.Verifier(Picture, Symbol->Description()))
                        Drawn.Notes.push_back(std::move(*Note));
                } catch (...) {
                    Error = std::current_exception();
                    AllDrawn = false;
                }
            }
            Drawn.Written = !Error;
            if (!Error)
                ++Summary.Labels;
            Report({*Record, Drawn, Error});
        }
    }
    Pages.Close();
    Summary.Pages = Pages.Count();
    if (AllDrawn && Summary.Labels > 0) {
        Document.Finish();
        Summary.Written = true;
    }
    return Summary;
}

} // namespace quillmark
