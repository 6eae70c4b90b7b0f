#include "arguments.h"

#include "choices.h"
#include "help_text.h"
#include "matrix_options.h"
#include "record_options.h"
#include "type_settings.h"
#include <quillmark/decimal_text.h>
#include <quillmark/ink_text.h>
#include <quillmark/layout.h>

#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>
#include <thread>

namespace quillmark::cli {

namespace {

struct TParse {
    TOptions Options;
    std::vector<std::string> Positional;
    bool Batch = false;
    std::vector<std::string_view> Given; // the options' long names, as they came
};

// --jobs: any count from 1; more than the cores is capped later, with a note, so a count too
// large for an int is as good as the largest.
int Threads(const std::string& Text) {
    const std::string_view digits =
        std::string_view(Text).substr(!Text.empty() && Text.front() == '-' ? 1 : 0);
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        Refuse("jobs", Text, "not a whole number of threads");
    if (digits.size() < Text.size())
        Refuse("jobs", Text, "at least 1 thread");
    int value = 0;
    const auto [at, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
    if (error == std::errc::result_out_of_range)
        return std::numeric_limits<int>::max();
    if (value < 1)
        Refuse("jobs", Text, "at least 1 thread");
    return value;
}

// Every colour option's value: #RRGGBB or cmyk(C,M,Y,K).
TInk Colour(std::string_view Option, const std::string& Text) {
    try {
        return ReadInk(Text);
    } catch (const Exception& e) {
        Refuse(Option, Text, e.Message());
    }
}

using THandler = void (*)(TParse&, const std::string&);

struct TOption {
    std::string_view Long;
    char Short;
    bool TakesValue;
    THandler Apply;
};

constexpr std::array<TOption, 58> OptionTable{{
    {"type", 't', true,
     [](TParse& p, const std::string& v) {
         const std::optional<TBarType> type = FindBarType(v);
         if (!type)
             Refuse("type", v,
                    "unknown symbology; use one of " + TypeNameList() +
                        " (case-insensitive, with or without bc; --list-types shows aliases)");
         p.Options.Description.Barcode.BarType = *type;
     }},
    {"checksum", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.CheckDigits = Choose("checksum", v, CheckDigitNames);
     }},
    {"ratio", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Barcode.Ratio = Number("ratio", v, MinRatio, MaxRatio);
     }},
    {"rotate", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Barcode.Orientation = Choose("rotate", v, RotateChoices());
     }},
    {"text", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Barcode.TextShow = Choose("text", v, TextShowNames);
     }},
    {"text-position", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Barcode.TextPosition = Choose("text-position", v, TextPositionNames);
     }},
    {"text-layout", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Barcode.TextLayout = Choose("text-layout", v, TextLayoutNames);
     }},
    {"font", 0, true,
     [](TParse& p, const std::string& v) {
         if (v.empty())
             Refuse("font", v, "no font family given");
         p.Options.Description.Font.setFamily(QString::fromLocal8Bit(v.data(), v.size()));
     }},
    {"font-size", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.FontSizePt = Number("font-size", v, MinFontSizePt, MaxFontSizePt);
     }},
    {"fg", 0, true,
     [](TParse& p, const std::string& v) {
         const TInk ink = Colour("fg", v);
         SetBarInk(p.Options.Description, ink);
         SetTextInk(p.Options.Description, ink);
     }},
    {"bg", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Transparent = NamesNoBackground(v);
         if (p.Options.Description.Transparent)
             return;
         const TInk ink = Colour("bg", v);
         SetSpaceInk(p.Options.Description, ink);
         if (!p.Options.TextBackgroundGiven)
             SetTextBoxInk(p.Options.Description, ink);
     }},
    {"text-bg", 0, true,
     [](TParse& p, const std::string& v) {
         SetTextBoxInk(p.Options.Description, Colour("text-bg", v));
         p.Options.TextBackgroundGiven = true;
     }},
    {"colour-model", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.ColourModel = Choose("colour-model", v, ColourModelNames);
     }},
    {"xdim", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.XDimensionMM = Number("xdim", v, MinXDimensionMM, MaxXDimensionMM);
     }},
    {"dpi", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Dpi = Whole("dpi", v, MinDpi, MaxDpi);
     }},
    {"height", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.BarHeightMM =
             Number("height", v, MinGivenBarHeightMM, MaxBarHeightMM);
     }},
    {"quiet-zone", 0, true,
     [](TParse& p, const std::string& v) {
         std::optional<int>& zone = p.Options.Description.QuietZone;
         if (v == "on")
             zone.reset();
         else if (v == "off")
             zone = 0;
         else
             zone = Whole("quiet-zone", v, 0, MaxQuietZoneX);
     }},
    {"ecc", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Barcode.Matrix.QrLevel = Choose("ecc", v, QrLevelNames);
     }},
    // Read once the type is known.
    {"qr-version", 0, true, [](TParse& p, const std::string& v) { p.Options.QrVersionText = v; }},
    {"dm-size", 0, true,
     [](TParse& p, const std::string& v) {
         SetDataMatrixSize(p.Options.Description.Barcode.Matrix, v);
     }},
    {"dl-domain", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Barcode.Matrix.DigitalLinkDomain = v;
     }},
    {"bearer", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Barcode.Bearers = Choose("bearer", v, BearerNames);
     }},
    // Read once the X-dimension is known.
    {"bearer-width", 0, true,
     [](TParse& p, const std::string& v) { p.Options.BearerWidthText = v; }},
    {"segments", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Description.Barcode.Matrix.DataBarSegments = DataBarSegments(v);
     }},
    {"output", 'o', true, [](TParse& p, const std::string& v) { p.Options.Output = v; }},
    {"format", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Format = Choose("format", v, FormatChoices());
     }},
    {"zpl", 0, true,
     [](TParse& p, const std::string& v) { p.Options.ZplForm = Choose("zpl", v, ZplFormNames); }},
    {"zpl-stream", 0, false, [](TParse& p, const std::string&) { p.Options.ZplStream = true; }},
    {"batch", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Input = v;
         p.Batch = true;
     }},
    {"csv", 0, false,
     [](TParse& p, const std::string&) { SetTableFormat(p.Options.Records, TTableFormat::Csv); }},
    {"tsv", 0, false,
     [](TParse& p, const std::string&) { SetTableFormat(p.Options.Records, TTableFormat::Tsv); }},
    {"header", 0, false, [](TParse& p, const std::string&) { p.Options.Records.Header = true; }},
    {"value", 0, true, [](TParse& p, const std::string& v) { p.Options.Records.Value = v; }},
    {"type-column", 0, true,
     [](TParse& p, const std::string& v) { p.Options.Records.TypeColumn = v; }},
    {"copies-column", 0, true,
     [](TParse& p, const std::string& v) { p.Options.Records.CopiesColumn = v; }},
    {"sequence", 0, true,
     [](TParse& p, const std::string& v) { p.Options.Records.Sequence = SequenceRange(v); }},
    {"sheet", 0, true, [](TParse& p, const std::string& v) { p.Options.Sheet.Name = v; }},
    {"list-sheets", 0, false,
     [](TParse& p, const std::string&) { p.Options.Mode = TMode::ListSheets; }},
    {"label-text", 0, true,
     [](TParse& p, const std::string& v) { AddLabelText(p.Options.Sheet, v); }},
    {"label-font", 0, true,
     [](TParse& p, const std::string& v) {
         if (v.empty())
             Refuse("label-font", v, "no font family given");
         p.Options.Sheet.FontFamily = v;
     }},
    {"label-font-size", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Sheet.FontSizePt = Number("label-font-size", v, MinFontSizePt, MaxFontSizePt);
     }},
    {"label-align", 0, true,
     [](TParse& p, const std::string& v) { p.Options.Sheet.Align = LabelAlign(v); }},
    {"skip", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.Sheet.Skip =
             static_cast<std::uint64_t>(Whole("skip", v, 0, std::numeric_limits<int>::max()));
     }},
    {"outline", 0, false, [](TParse& p, const std::string&) { p.Options.Sheet.Outline = true; }},
    {"jobs", 'j', true, [](TParse& p, const std::string& v) { p.Options.Jobs = Threads(v); }},
    {"quiet", 'q', false, [](TParse& p, const std::string&) { p.Options.Quiet = true; }},
    {"verify", 0, false, [](TParse& p, const std::string&) { p.Options.Verify = true; }},
    {"strict", 0, false, [](TParse& p, const std::string&) { p.Options.Strict = true; }},
    {"lenient", 0, false, [](TParse& p, const std::string&) { p.Options.Lenient = true; }},
    {"gs1-strict", 0, false, [](TParse& p, const std::string&) { p.Options.GS1Strict = true; }},
    {"report", 0, false, [](TParse& p, const std::string&) { p.Options.Report = true; }},
    {"fit", 0, false, [](TParse& p, const std::string&) { p.Options.Fit = true; }},
    {"bwr", 0, true,
     [](TParse& p, const std::string& v) {
         const TReductionValue bwr = ReductionValue("bwr", v);
         p.Options.Description.BarWidthReductionMM = bwr.MM;
         p.Options.Description.BarWidthReductionDots = bwr.Dots;
     }},
    {"gain", 0, true,
     [](TParse& p, const std::string& v) {
         p.Options.GainMM = Millimetres("gain", v, -MaxXDimensionMM, MaxXDimensionMM);
     }},
    {"quiet-zone-marks", 0, false,
     [](TParse& p, const std::string&) { p.Options.Description.Barcode.QuietZoneMarks = true; }},
    {"list-types", 0, false,
     [](TParse& p, const std::string&) { p.Options.Mode = TMode::ListTypes; }},
    {"help", 'h', false, [](TParse& p, const std::string&) { p.Options.Mode = TMode::Help; }},
    {"version", 'V', false, [](TParse& p, const std::string&) { p.Options.Mode = TMode::Version; }},
}};

const TOption* FindLong(std::string_view Name) {
    for (const TOption& option : OptionTable)
        if (option.Long == Name)
            return &option;
    return nullptr;
}

const TOption* FindShort(char Name) {
    for (const TOption& option : OptionTable)
        if (option.Short != 0 && option.Short == Name)
            return &option;
    return nullptr;
}

bool WasGiven(const std::vector<std::string_view>& Given, std::string_view Option) {
    return std::find(Given.begin(), Given.end(), Option) != Given.end();
}

// The ZPL options only with ZPL, and ZPL only at a printer's resolution.
void CheckZplOptions(const TOptions& O, const std::vector<std::string_view>& Given) {
    const bool zpl = OutputFormat(O) == TFileFormat::Zpl;
    for (const std::string_view option : {"zpl", "zpl-stream"})
        if (!zpl && WasGiven(Given, option))
            throw UsageError(
                "--" + std::string(option) +
                " applies to ZPL output; give -o a name ending in .zpl or --format zpl");
    if (!zpl)
        return;
    try {
        CheckZplDpi(O.Description.Dpi);
    } catch (const Exception& e) {
        throw UsageError(e.Message());
    }
    if (O.ZplForm == TZplForm::Native && O.Verify)
        throw UsageError("--verify reads Quillmark's drawing, but with --zpl native the printer "
                         "draws the symbol; leave out one of them");
    if (O.ZplStream && O.Mode == TMode::Batch && HasField(O.Output))
        throw UsageError("--zpl-stream writes every label into one stream; give -o one file "
                         "without fields, or -o - for stdout");
}

void Check(TParse& P) {
    TOptions& o = P.Options;
    if (o.Mode == TMode::ListSheets) {
        if (P.Positional.size() > 1)
            throw UsageError("--list-sheets takes one filter, not '" + P.Positional[0] + "' and '" +
                             P.Positional[1] + "'; quote a filter with blanks");
        o.Sheet.ListFilter = P.Positional.empty() ? std::string() : P.Positional.front();
        return;
    }
    if (o.Mode != TMode::Single)
        return;
    CheckRecordsAndSheet(o, P.Batch, P.Given);
    const bool sequence = o.Records.Sequence.has_value();
    if (P.Batch || sequence) {
        o.Mode = TMode::Batch;
        if (!P.Positional.empty())
            throw UsageError(sequence ? "a sequence makes its own values; leave out '" +
                                            P.Positional.front() + "'"
                                      : "a batch takes its values from " + o.Input + ", not '" +
                                            P.Positional.front() + "'");
        if (!o.Sheet.Name.empty())
            CheckSheetOutput(o);
        else if (o.Output.empty())
            throw UsageError("a batch needs -o TEMPLATE, for instance -o 'out/{n:05}.png'");
        else if (o.Output == "-" && !o.ZplStream)
            throw UsageError("a batch writes files; give -o a template such as 'out/{n}.png'");
    } else {
        if (P.Positional.empty())
            throw UsageError("no value given; write quillmark-cli [options] VALUE -o FILE");
        if (P.Positional.size() > 1)
            throw UsageError("one value at a time, not '" + P.Positional[0] + "' and '" +
                             P.Positional[1] + "'; quote a value with blanks, or use --batch");
        o.Value = P.Positional.front();
        if (o.Output.empty())
            throw UsageError("no output given; write -o FILE (" + SuffixesText() + ") or -o -");
    }
    OutputFormat(o);
    if (o.GainMM != 0 && !o.Report)
        throw UsageError("--gain changes only the report's decodability; add --report");
    CheckZplOptions(o, P.Given);
    // With a type column the options are for the types that take them; -t's type is only
    // the one for rows that name none.
    if (!o.Records.TypeColumn)
        for (const std::string_view option : P.Given)
            RefuseWhereInapplicable(option, o.Description.Barcode.BarType);
    o.TextChosen = std::find(P.Given.begin(), P.Given.end(), "text") != P.Given.end();
    if (o.ColourModel == TColourModel::Cmyk)
        UseCmykModel(o.Description);
    o.Description = DescriptionOfType(o, o.Description.Barcode.BarType);
}

} // namespace

int Cores() {
    return static_cast<int>(std::min<unsigned>(std::max(1u, std::thread::hardware_concurrency()),
                                               std::numeric_limits<int>::max()));
}

TOptions ParseArguments(const std::vector<std::string>& Arguments) {
    TParse parse;
    parse.Options.Jobs = Cores();
    bool optionsEnd = false;
    const auto apply = [&parse](const TOption& Option, const std::string& Value) {
        Option.Apply(parse, Value);
        parse.Given.push_back(Option.Long);
    };
    for (std::size_t i = 0; i < Arguments.size(); ++i) {
        const std::string& argument = Arguments[i];
        if (optionsEnd || argument == "-" || argument.size() < 2 || argument[0] != '-') {
            parse.Positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnd = true;
            continue;
        }
        const bool isLong = argument[1] == '-';
        std::string name;
        std::optional<std::string> attached;
        if (isLong) {
            const std::size_t equals = argument.find('=');
            name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            if (equals != std::string::npos)
                attached = argument.substr(equals + 1);
        } else {
            name = argument.substr(1, 1);
            if (argument.size() > 2)
                attached = argument.substr(2);
        }
        const TOption* option = isLong ? FindLong(name) : FindShort(name[0]);
        if (!option)
            throw UsageError("unknown option '" + argument +
                             "' (a value that starts with '-' goes after --)");
        // Short options without values may share one dash: -qV.
        while (!isLong && !option->TakesValue && attached) {
            apply(*option, {});
            option = FindShort((*attached)[0]);
            if (!option)
                throw UsageError("unknown option '-" + attached->substr(0, 1) + "' in '" +
                                 argument + "'");
            attached = attached->size() > 1 ? std::optional(attached->substr(1)) : std::nullopt;
        }
        if (!option->TakesValue) {
            if (attached)
                throw UsageError("option --" + std::string(option->Long) + " takes no value");
            apply(*option, {});
            continue;
        }
        if (!attached) {
            if (i + 1 >= Arguments.size())
                throw UsageError("option --" + std::string(option->Long) + " needs a value");
            attached = Arguments[++i];
        }
        apply(*option, *attached);
    }
    Check(parse);
    return parse.Options;
}

TFileFormat OutputFormat(const TOptions& Options) {
    if (Options.Output == "-") {
        if (!Options.Format)
            throw UsageError("-o - writes to stdout; say which format with --format " +
                             JoinNames(FormatChoices(), "|"));
        return *Options.Format;
    }
    TFileFormat format{};
    try {
        format = FileFormatOf(QString::fromLocal8Bit(
            Options.Output.data(), static_cast<qsizetype>(Options.Output.size())));
    } catch (const Exception&) {
        throw UsageError("-o '" + Options.Output + "': unknown file type; end the name in " +
                         SuffixesText());
    }
    if (Options.Format && *Options.Format != format)
        throw UsageError("--format doesn't match the extension of '" + Options.Output + "'");
    return format;
}

} // namespace quillmark::cli
