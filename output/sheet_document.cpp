// The sheet document: each page's content and page object written when the page ends; the
// page tree, the fonts every page shares and the information at Finish, when all are known.
// Pages refer to one resource dictionary written last, so that a page needs no font's
// number before the fonts are complete.
#include "sheet_document.h"

#include "atomic_file.h"
#include "pdf_objects.h"
#include "pdf_page.h"
#include "sheet_items.h"
#include <quillmark/units.h>

#include <cmath>
#include <optional>
#include <vector>

namespace quillmark {

namespace {

constexpr char NoPageMessage[] =
    "Nothing can be placed outside a page: begin a page (BeginPage) first.";
constexpr char OpenPageMessage[] = "A page is already open: end it (EndPage) before the next.";
constexpr char NoPagesMessage[] =
    "A document needs at least one page: begin and end a page before Finish.";
constexpr char FinishedMessage[] = "The document is finished: nothing more can be added.";
// PDF 1.4 readers take pages up to 200 inches a side.
constexpr double LargestPageMM = 200 * MMPerInch;

std::string PageSizeMessage(double WidthMM, double HeightMM) {
    const auto side = [](double MM) {
        return std::isfinite(MM) ? pdf::Number(MM, 2) : std::string("no number");
    };
    return "A page of " + side(WidthMM) + " x " + side(HeightMM) +
           " mm can't be made: each side must be more than 0 and at most " +
           pdf::Number(LargestPageMM) + " mm.";
}

std::string Ref(int Object) {
    return std::to_string(Object) + " 0 R";
}

} // namespace

struct TSheetDocument::TState {
    TState(const std::string& FileName, const std::string& DocumentTitle)
        : Name(FileName), File(FileName), Title(DocumentTitle) {}

    struct TOpenPage {
        std::string Width;  // in points, as the media box has it
        std::string Height; // likewise, and where the content's top is
        pdf::TPage Content;
        std::vector<TSheetItem> Items;
    };

    TOpenPage& Page() {
        if (Finished)
            throw Exception(FinishedMessage);
        if (!Open)
            throw Exception(NoPageMessage);
        return *Open;
    }

    std::string Name;
    TAtomicFile File;
    // A failed write leaves the file unfinished at an unknown length: nothing more is written.
    bool Broken = false;
    pdf::TDocument Document{[this](std::string_view Bytes) {
        if (Broken)
            throw EWriteError(Name + " : an earlier write failed");
        Broken = true;
        File.Write(Bytes);
        Broken = false;
    }};
    pdf::TType3Fonts Fonts;
    int Catalog = Document.Reserve();
    int Tree = Document.Reserve();
    int Resources = Document.Reserve();
    std::vector<int> Kids;
    std::optional<TOpenPage> Open;
    std::string Title;
    bool Finished = false;
};

TSheetDocument::TSheetDocument(const std::string& FileName, const std::string& Title)
    : state_(std::make_unique<TState>(FileName, Title)) {}

TSheetDocument::~TSheetDocument() = default;

void TSheetDocument::BeginPage(double WidthMM, double HeightMM) {
    if (state_->Finished)
        throw Exception(FinishedMessage);
    if (state_->Open)
        throw Exception(OpenPageMessage);
    if (!(WidthMM > 0 && WidthMM <= LargestPageMM && HeightMM > 0 && HeightMM <= LargestPageMM))
        throw Exception(PageSizeMessage(WidthMM, HeightMM));
    const std::string height = pdf::Number(HeightMM * PointsPerMM);
    state_->Open.emplace(TState::TOpenPage{pdf::Number(WidthMM * PointsPerMM),
                                           height,
                                           pdf::TPage(state_->Fonts, PointsPerMM, height),
                                           {}});
}

void TSheetDocument::Symbol(const TOutputLayout& Layout, double LeftMM, double TopMM) {
    TState::TOpenPage& page = state_->Page();
    // The page is in millimetres; the layout keeps its own units, as in its own file.
    const double scale = 1 / Layout.UnitsPerMM;
    page.Content.Begin(QTransform(scale, 0, 0, scale, LeftMM, TopMM));
    DrawLayout(page.Content, Layout);
    page.Content.End();
    page.Items.emplace_back(TPlacedSymbol{Layout, QPointF(LeftMM, TopMM)});
}

void TSheetDocument::Text(const QString& Text, const QFont& Font, double LeftMM, double BaselineMM,
                          const TInk& Ink) {
    TState::TOpenPage& page = state_->Page();
    const TPaperFont paper = PaperFont(Font);
    const double scale = 1 / paper.UnitsPerMM;
    page.Content.Text(Text, paper.Font, QTransform(scale, 0, 0, scale, LeftMM, BaselineMM), 0, Ink);
    page.Items.emplace_back(TPlacedLine{Text, Font, QPointF(LeftMM, BaselineMM)});
}

void TSheetDocument::Outline(const QPainterPath& ShapeMM) {
    TState::TOpenPage& page = state_->Page();
    page.Content.Stroke(ShapeMM, OutlineWidthMM, OutlineColor);
    page.Items.emplace_back(TPlacedOutline{ShapeMM});
}

QImage TSheetDocument::Raster(const QRectF& AreaMM, int Dpi) const {
    return PaintItems(state_->Page().Items, AreaMM, Dpi);
}

void TSheetDocument::EndPage() {
    TState& s = *state_;
    TState::TOpenPage& page = s.Page();
    const int content = s.Document.Reserve();
    const int object = s.Document.Reserve();
    s.Document.AddStream(content, {}, {pdf::Deflated(page.Content.Finish()), true});
    s.Document.Add(object, "<< /Type /Page /Parent " + Ref(s.Tree) + " /MediaBox [0 0 " +
                               page.Width + ' ' + page.Height + "] /Contents " + Ref(content) +
                               " /Resources " + Ref(s.Resources) + " >>");
    s.Kids.push_back(object);
    s.Open.reset();
}

void TSheetDocument::Finish() {
    TState& s = *state_;
    if (s.Finished)
        throw Exception(FinishedMessage);
    if (s.Open)
        EndPage();
    if (s.Kids.empty())
        throw Exception(NoPagesMessage);
    s.Finished = true;
    const std::string fonts = s.Fonts.Write(s.Document);
    s.Document.Add(s.Resources, "<< /ProcSet [/PDF /Text] /Font << " + fonts + ">> >>");
    std::string kids;
    for (const int kid : s.Kids)
        kids += Ref(kid) + ' ';
    s.Document.Add(s.Tree, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                               std::to_string(s.Kids.size()) + " >>");
    s.Document.Add(s.Catalog, "<< /Type /Catalog /Pages " + Ref(s.Tree) + " >>");
    const int info = s.Document.Reserve();
    s.Document.Add(info, "<< /Title " + pdf::TextString(QString::fromStdString(s.Title)) +
                             " /Creator (Quillmark) >>");
    s.Document.Finish(s.Catalog, info);
    s.File.Commit(TDurability::Flush);
}

int TSheetDocument::Pages() const {
    return static_cast<int>(state_->Kids.size()) + (state_->Open ? 1 : 0);
}

} // namespace quillmark
