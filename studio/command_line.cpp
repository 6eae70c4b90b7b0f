#include "command_line.h"

#include <arguments.h>
#include <choices.h>
#include <matrix_options.h>
#include <option_values.h>
#include <quillmark/decimal_text.h>
#include <quillmark/ink_text.h>
#include <quillmark/latin1.h>
#include <quillmark/module_grid.h>
#include <type_description.h>

#include <QFont>

#include <algorithm>

namespace quillmark::studio {

namespace {

using cli::NameOf;

// Builds the argument list, noting what it can't say.
class TCommandWriter {
public:
    TCommandWriter(const TOutputJob& Job, const TSaveRequest& Request)
        : job_(Job), request_(Request), d_(Job.Description), type_(d_.Barcode.BarType),
          // The command line's own starting point for this type: what it draws when no option
          // is given (the text a type shows by default is the type's).
          default_(DescriptionForType({TBarcodeDescription{}, false}, type_)) {}

    TCommandLine Write() {
        SymbolOptions();
        Output();
        return Finish();
    }

    TCommandLine WriteBatch(const TBatchInput& Input, const TBatchOutput& Where) {
        SymbolOptions();
        const auto* sheet = std::get_if<TSheetOutput>(&Where.Target);
        Records(Input, sheet != nullptr);
        if (sheet)
            Sheet(Input, *sheet);
        else
            Files(std::get<TFilesOutput>(Where.Target));
        return Finish();
    }

private:
    void SymbolOptions() {
        Symbol();
        TypeOptions();
        Text();
        Colours();
        Size();
        PrintSpread();
        Checks();
    }

    TCommandLine Finish() {
        TCommandLine command{std::move(arguments_), std::string(CliProgram), std::move(unsaid_)};
        for (const std::string& argument : command.Arguments)
            command.Line += ' ' + ShellWord(argument);
        return command;
    }

    void Flag(std::string_view Option) { arguments_.push_back("--" + std::string(Option)); }
    void Add(std::string_view Option, std::string Value) {
        Flag(Option);
        arguments_.push_back(std::move(Value));
    }
    void Unsaid(std::string Sentence) { unsaid_.push_back(std::move(Sentence)); }

    // A number within the option's range, written so that it reads back exactly.
    void AddNumber(std::string_view Option, double Value, double Low, double High) {
        if (Value >= Low && Value <= High)
            Add(Option, ShortestText(Value));
        else
            Unsaid("--" + std::string(Option) + " takes " + ShortestText(Low) + " to " +
                   ShortestText(High) + ", not " + ShortestText(Value) + "; choose one in range.");
    }

    void Symbol() {
        if (type_ != DefaultOutputSettings().BarType) {
            const std::string_view aliases = BarTypeData(type_).Aliases;
            arguments_.push_back("-t");
            arguments_.push_back(aliases.empty()
                                     ? std::string(BarTypeData(type_).Identifier + 2)
                                     : std::string(aliases.substr(0, aliases.find(','))));
        }
        if (job_.CheckDigits != DefaultCheckDigits)
            Add("checksum", NameOf(cli::CheckDigitNames, job_.CheckDigits));
        // Symbologies drawn on whole modules keep 1:2:3:4 whatever the setting.
        const TSymbolLook& look = d_.Barcode;
        if (cli::Applies("ratio", type_) && OutputRatio(d_) != OutputRatio(default_))
            AddNumber("ratio", look.Ratio, MinRatio, MaxRatio);
        if (look.Orientation != default_.Barcode.Orientation)
            Add("rotate", NameOf(cli::RotateChoices(), look.Orientation));
    }

    // The options only some types take; on another type a setting changes nothing.
    void TypeOptions() {
        const TMatrixOptions& m = d_.Barcode.Matrix;
        const TMatrixOptions& usual = default_.Barcode.Matrix;
        if (cli::Applies("ecc", type_) && m.QrLevel != usual.QrLevel)
            Add("ecc", NameOf(cli::QrLevelNames, m.QrLevel));
        if (cli::Applies("qr-version", type_) && m.QrVersion != usual.QrVersion)
            Add("qr-version", (type_ == bcCodeMicroQR ? "M" : "") + std::to_string(m.QrVersion));
        if (cli::Applies("dm-size", type_)) {
            if (m.DataMatrixRows != 0 || m.DataMatrixColumns != 0)
                Add("dm-size",
                    std::to_string(m.DataMatrixRows) + "x" + std::to_string(m.DataMatrixColumns));
            else if (m.DataMatrixShape != usual.DataMatrixShape)
                Add("dm-size", NameOf(cli::DataMatrixShapeNames, m.DataMatrixShape));
        }
        if (cli::Applies("dl-domain", type_) && m.DigitalLinkDomain != usual.DigitalLinkDomain)
            Add("dl-domain", m.DigitalLinkDomain);
        if (cli::Applies("segments", type_) && m.DataBarSegments != usual.DataBarSegments)
            Add("segments", std::to_string(m.DataBarSegments));
        const TSymbolLook& look = d_.Barcode;
        if (cli::Applies("bearer", type_) && look.Bearers != default_.Barcode.Bearers)
            Add("bearer", NameOf(cli::BearerNames, look.Bearers));
        if (cli::Applies("bearer-width", type_) &&
            look.BearerModules != default_.Barcode.BearerModules)
            Add("bearer-width", std::to_string(look.BearerModules));
    }

    void Text() {
        const TSymbolLook& look = d_.Barcode;
        const TSymbolLook& usual = default_.Barcode;
        if (look.TextShow != usual.TextShow)
            Add("text", NameOf(cli::TextShowNames, look.TextShow));
        if (look.TextPosition != usual.TextPosition)
            Add("text-position", NameOf(cli::TextPositionNames, look.TextPosition));
        if (look.TextLayout != usual.TextLayout)
            Add("text-layout", NameOf(cli::TextLayoutNames, look.TextLayout));
        if (look.QuietZoneMarks != usual.QuietZoneMarks)
            Flag("quiet-zone-marks");
        const QString family = d_.Font.family();
        if (family != default_.Font.family()) {
            if (family.isEmpty())
                Unsaid("The font has no family, which --font needs; choose a font.");
            else
                Add("font", family.toStdString());
        }
        // The command line sets a family on its default font; the layout sets the size
        // (FontSizePt), the hinting and the antialiasing.
        QFont given = d_.Font;
        QFont typed = default_.Font;
        typed.setFamily(given.family());
        given.setPointSizeF(typed.pointSizeF());
        given.setHintingPreference(typed.hintingPreference());
        given.setStyleStrategy(typed.styleStrategy());
        if (given != typed)
            Unsaid("The font's style (weight, slant, stretch and the like) has no option; the "
                   "command line draws the family's regular style: choose it to match.");
        if (d_.FontSizePt != default_.FontSizePt)
            AddNumber("font-size", d_.FontSizePt, MinFontSizePt, MaxFontSizePt);
    }

    // --fg colours the bars and the text at once, --bg the spaces and the box behind the
    // text unless --text-bg follows. Where every ink drawn is CMYK, --colour-model cmyk
    // makes those given as #RRGGBB their plain CMYK, as the description has them.
    void Colours() {
        const TSymbolLook& look = d_.Barcode;
        const bool text = look.TextShow != tsNone;
        // Only the over-bars layout draws a box behind the text.
        const bool box = look.TextLayout == tlOverBars;
        const bool model = BarInk(d_).Cmyk && SpaceInk(d_).Cmyk && (!text || TextInk(d_).Cmyk) &&
                           (!box || TextBoxInk(d_).Cmyk);
        if (model)
            Add("colour-model", NameOf(cli::ColourModelNames, TColourModel::Cmyk));
        TBarcodeDescription usual = default_;
        if (model)
            UseCmykModel(usual);
        const auto said = [model](const TInk& Ink) {
            return model && Ink.Cmyk == CmykOf(Ink.Rgb) ? RgbText(Ink.Rgb) : InkText(Ink);
        };
        const std::string bar = said(BarInk(d_));
        if (bar != said(BarInk(usual)))
            Add("fg", bar);
        if (text && said(TextInk(d_)) != bar)
            Unsaid("The text is in " + said(TextInk(d_)) + " and the bars in " + bar +
                   "; the command line draws both in --fg's colour: give them one colour.");
        if (d_.Transparent) {
            Add("bg", "none"); // nor is the text's box painted
            return;
        }
        const std::string space = said(SpaceInk(d_));
        const bool background = space != said(SpaceInk(usual));
        if (background)
            Add("bg", space);
        const std::string textBox = background ? space : said(TextBoxInk(usual));
        if (box && said(TextBoxInk(d_)) != textBox)
            Add("text-bg", said(TextBoxInk(d_)));
    }

    void Size() {
        if (d_.XDimensionMM != default_.XDimensionMM)
            AddNumber("xdim", d_.XDimensionMM, MinXDimensionMM, MaxXDimensionMM);
        if (d_.Dpi != default_.Dpi) {
            if (d_.Dpi >= MinDpi && d_.Dpi <= MaxDpi)
                Add("dpi", std::to_string(d_.Dpi));
            else
                Unsaid("--dpi takes " + std::to_string(MinDpi) + " to " + std::to_string(MaxDpi) +
                       ", not " + std::to_string(d_.Dpi) + "; choose one in range.");
        }
        if (cli::Applies("height", type_) && d_.BarHeightMM != default_.BarHeightMM)
            AddNumber("height", d_.BarHeightMM, MinGivenBarHeightMM, MaxBarHeightMM);
        if (d_.QuietZone != default_.QuietZone) {
            if (d_.QuietZone == 0)
                Add("quiet-zone", "off");
            else
                AddNumber("quiet-zone", *d_.QuietZone, 0, MaxQuietZoneX);
        }
    }

    // The bar width reduction, and the spread the report's decodability is after.
    void PrintSpread() {
        if (d_.BarWidthReductionDots > 0)
            Add("bwr", std::to_string(d_.BarWidthReductionDots) +
                           (d_.BarWidthReductionDots == 1 ? "dot" : "dots"));
        else if (d_.BarWidthReductionMM != 0)
            AddMillimetres("bwr", d_.BarWidthReductionMM, 0, MaxXDimensionMM);
        if (job_.GainMM != 0) {
            if (!job_.Report)
                Unsaid("The bar gain changes only the report, which is off; the command line "
                       "takes --gain with --report alone.");
            else
                AddMillimetres("gain", job_.GainMM, -MaxXDimensionMM, MaxXDimensionMM);
        }
    }
    void AddMillimetres(std::string_view Option, double Value, double Low, double High) {
        if (Value >= Low && Value <= High)
            Add(Option, ShortestText(Value) + "mm");
        else
            AddNumber(Option, Value, Low, High);
    }

    void Checks() {
        if (job_.Lenient)
            Flag("lenient");
        if (job_.GS1Pairings)
            Flag("gs1-strict");
        if (job_.Report)
            Flag("report");
        if (job_.FitToDevice)
            Flag("fit");
        // The form only ZPL reads; the command line refuses --zpl for other formats.
        if (job_.Format == TFileFormat::Zpl && job_.ZplForm == TZplForm::Native)
            Add("zpl", "native");
        if (request_.Strict)
            Flag("strict");
        else if (job_.Gate)
            Unsaid("The symbol passes a check of findings that has no option; --strict stops it "
                   "on any finding.");
        if (request_.Verify)
            Flag("verify");
        else if (job_.Verifier)
            Unsaid("The symbol is read back by a check that has no option; --verify reads it "
                   "with zxing-cpp.");
    }

    // The format follows the file's extension, or --format where the name has none the
    // command line knows.
    void Output() {
        std::string name = FileArgument(request_.FileName.toStdString());
        try {
            if (FileFormatOf(request_.FileName) != job_.Format)
                Unsaid("The file name's extension names another format than " +
                       NameOf(cli::FormatChoices(), job_.Format) +
                       ", which the command line refuses; end the name in ." +
                       NameOf(cli::FormatChoices(), job_.Format) + ".");
        } catch (const Exception&) {
            Add("format", NameOf(cli::FormatChoices(), job_.Format));
        }
        arguments_.push_back("-o");
        arguments_.push_back(std::move(name));
        const std::string& value = request_.Value;
        if (value.find('\0') != std::string::npos)
            Unsaid("The value holds a NUL byte, which no command line argument can; take it "
                   "out, or give the value through --batch.");
        // What the command line reads as this value: Latin-1 typed as UTF-8.
        std::string typed = Utf8FromLatin1(value);
        if (typed.size() > 1 && typed.front() == '-')
            arguments_.push_back("--");
        arguments_.push_back(std::move(typed));
    }

    // The records' source; a copies column counts labels, so only a sheet takes it.
    void Records(const TBatchInput& Input, bool OnSheet) {
        if (const auto* sequence = std::get_if<TSequenceInput>(&Input.Source)) {
            Add("sequence", sequence->Range);
            if (sequence->ValueTemplate != cli::DefaultSequenceTemplate)
                Add("value", sequence->ValueTemplate);
            return;
        }
        const auto& table = std::get<TTableInput>(Input.Source);
        if (table.FileName.empty())
            Unsaid("No table is open for --batch to read; open a CSV or TSV file.");
        Add("batch", FileArgument(table.FileName));
        Flag(table.Format == TTableFormat::Csv ? "csv" : "tsv");
        if (table.Header)
            Flag("header");
        const TRecordColumns& columns = table.Columns;
        if (columns.Value != cli::DefaultValueColumn)
            Add("value", columns.Value);
        if (columns.Type)
            Add("type-column", *columns.Type);
        if (!columns.Copies)
            return;
        if (OnSheet)
            Add("copies-column", *columns.Copies);
        else
            Unsaid("The copies column leaves out rows of no copies, and the command line writes "
                   "a file for every row; clear the copies column, or write a sheet.");
    }

    // The label's text goes on a sheet only; a folder's files are the symbols alone.
    void Sheet(const TBatchInput& Input, const TSheetOutput& Target) {
        for (const std::string& line : Input.Text)
            Add("label-text", line);
        if (Target.Sheet.empty())
            Unsaid("No sheet of labels is chosen for --sheet; choose one from the list.");
        else
            Add("sheet", Target.Sheet);
        if (Target.FileName.find('{') != std::string::npos)
            Unsaid("The sheet's file name holds '{', which the command line reads as a field; "
                   "name the file without braces.");
        if (!NamesPdf(Target.FileName))
            Unsaid("The command line writes a sheet only to a name ending in .pdf, which '" +
                   Target.FileName + "' does not; end the name in .pdf.");
        arguments_.push_back("-o");
        arguments_.push_back(FileArgument(Target.FileName));
    }

    // The folder is taken as it is and the name as a template, so the folder's braces are
    // doubled for -o; the format follows the extension, as the files are named.
    void Files(const TFilesOutput& Target) {
        std::string name;
        if (!Target.Folder.empty()) {
            for (const char ch : Target.Folder)
                name += ch == '{' || ch == '}' ? std::string(2, ch) : std::string(1, ch);
            name += '/';
        }
        name += Target.NameTemplate + '.' + FileFormatRow(job_.Format).Suffix;
        arguments_.push_back("-o");
        arguments_.push_back(std::move(name));
    }

    // The command line takes a file named "-" for stdin or stdout.
    static std::string FileArgument(std::string Name) { return Name == "-" ? "./-" : Name; }

    static bool NamesPdf(const std::string& FileName) {
        try {
            return FileFormatOf(QString::fromStdString(FileName)) == TFileFormat::Pdf;
        } catch (const Exception&) {
            return false;
        }
    }

    const TOutputJob& job_;
    const TSaveRequest& request_;
    const TBarcodeDescription& d_;
    const TBarType type_;
    const TBarcodeDescription default_;
    std::vector<std::string> arguments_;
    std::vector<std::string> unsaid_;
};

bool TakenAsItIs(char Ch) {
    constexpr std::string_view Plain = "_-+=.,/:@%^";
    return (Ch >= 'a' && Ch <= 'z') || (Ch >= 'A' && Ch <= 'Z') || (Ch >= '0' && Ch <= '9') ||
           Plain.find(Ch) != std::string_view::npos;
}

} // namespace

TCommandLine CommandLineOf(const TOutputJob& Job, const TSaveRequest& Request) {
    return TCommandWriter(Job, Request).Write();
}

TCommandLine BatchCommandLineOf(const TOutputJob& Job, const TSaveRequest& Request,
                                const TBatchInput& Input, const TBatchOutput& Output) {
    return TCommandWriter(Job, Request).WriteBatch(Input, Output);
}

std::string ShellWord(std::string_view Word) {
    if (!Word.empty() && std::all_of(Word.begin(), Word.end(), TakenAsItIs))
        return std::string(Word);
    std::string quoted = "'";
    for (const char ch : Word)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

} // namespace quillmark::studio
