// quillmark-cli: barcodes from the command line, one at a time or in batches.
#include "arguments.h"
#include "batch.h"
#include "help_text.h"
#include "messages.h"
#include "output_folder.h"
#include "record_batch.h"
#include "sheet_catalogue.h"
#include "sheet_run.h"
#include "text_bytes.h"
#include <quillmark/verify.h>

#include <quillmark/decimal_text.h>
#include <quillmark/layout.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace quillmark::cli {
namespace {

constexpr const char* Program = "quillmark-cli";

// Qt's own chatter (a missing runtime folder, font fallbacks) would mix with the
// program's messages, which callers parse.
void QuietQt(QtMsgType Type, const QMessageLogContext&, const QString& Message) {
    if (Type == QtCriticalMsg || Type == QtFatalMsg)
        std::fprintf(stderr, "%s: Qt: %s\n", Program, Message.toLocal8Bit().constData());
}

void Warn(const TOptions& Options, const std::string& Text) {
    if (!Options.Quiet)
        PrintMessages(stderr, Program, {{true, Text}}, false);
}

// Notes that hold for every symbol of the run, given once.
void WarnOnce(const TOptions& Options) {
    const TBarcodeDescription& d = Options.Description;
    if (Options.Verify && !CanRead(d.Barcode.BarType))
        Warn(Options, "zxing-cpp can't read " + BarTypeName(d.Barcode.BarType) +
                          ", so --verify can't check these symbols; they are written unverified");
    const QString family = d.Font.family();
    if (d.Barcode.TextShow != tsNone &&
        !QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
        const std::string name = family.toStdString();
        Warn(Options, "font '" + Utf8ForTerminal(WithValueShortened(name, name)) +
                          "' not found; using '" +
                          Utf8ForTerminal(QFontInfo(d.Font).family().toStdString()) + "'");
    }
    // The standard layout sets the text on the background, with no box of its own.
    if (Options.TextBackgroundGiven && d.Barcode.TextLayout == tlStandard)
        Warn(Options, "--text-bg has no effect with --text-layout standard; the text is set on "
                      "the --bg colour (--text-layout over-bars draws a box behind it)");
    // A raster's module is a whole number of pixels, which can be far from the X asked for
    // (--fit says what it chose instead).
    const double achieved = AchievedXDimensionMM(d);
    const double asked = XDimensionOf(d);
    if (IsRasterFormat(OutputFormat(Options)) && !Options.Fit &&
        std::abs(achieved - asked) > 0.1 * asked)
        Warn(Options, "at " + std::to_string(d.Dpi) + " dpi a module is " +
                          std::to_string(RasterModul(d)) +
                          (RasterModul(d) == 1 ? " pixel" : " pixels") + ", an X-dimension of " +
                          DecimalText(achieved, 3) + " mm, not the " + DecimalText(asked, 3) +
                          " mm asked for; raise --dpi or choose another --xdim");
    if (OutputFormat(Options) == TFileFormat::Zpl && Options.ZplForm == TZplForm::Native)
        Warn(Options, NativeZplNote);
}

// --jobs beyond the cores only adds memory.
TOptions WithJobsCapped(TOptions Options) {
    const int cores = Cores();
    if (Options.Mode == TMode::Batch && Options.Jobs > cores) {
        Warn(Options, "--jobs " + std::to_string(Options.Jobs) + " is more than the " +
                          std::to_string(cores) + " cores here; using " + std::to_string(cores));
        Options.Jobs = cores;
    }
    return Options;
}

// Whether file descriptor 1 was open when the program started.
bool StdoutOpen = true;

int RunSingle(const TOptions& Options, const TOutputJob& Job) {
    // As for a batch: a folder that can't take the file is a command line that can't run.
    if (Options.Output != "-")
        CheckOutputFolder(FolderOfName(Options.Output), Options.Output);
    if (Options.Output == "-" && !StdoutOpen)
        throw UsageError("stdout is closed; give -o FILE");
    // SVG, EPS and ZPL are text, which a terminal shows.
    const bool text = Job.Format == TFileFormat::Svg || Job.Format == TFileFormat::Eps ||
                      Job.Format == TFileFormat::Zpl;
    if (Options.Output == "-" && !text && ::isatty(STDOUT_FILENO) == 1)
        throw UsageError("won't write a binary file to a terminal; redirect stdout or use -o FILE");
    std::string value;
    try {
        value = ValueFromInput(Options.Value);
    } catch (const ENotLatin1& refused) {
        PrintMessages(stderr, Program, {{false, RefusalText(refused, Options.Value)}},
                      Options.Quiet);
        return 1;
    }
    const TSymbolOutcome outcome = RunSymbol(Job, Options.Strict, value, Options.Output);
    PrintMessages(stderr, Program, outcome.Messages, Options.Quiet);
    // At a terminal, a PNG's true module: whole pixels seldom give the X asked for exactly.
    if (!outcome.Failed && !Options.Quiet && IsRasterFormat(Job.Format) && Options.Output != "-" &&
        ::isatty(STDERR_FILENO) == 1) {
        const TBarcodeDescription& d = Job.Description;
        std::fprintf(stderr, "%s: %s: X-dimension %s mm (%d pixels at %d dpi)\n", Program,
                     Utf8ForTerminal(Options.Output).c_str(),
                     DecimalText(AchievedXDimensionMM(d), 3).c_str(), RasterModul(d), d.Dpi);
    }
    return outcome.Failed ? 1 : 0;
}

int Run(const std::vector<std::string>& Arguments) {
    const TOptions options = WithJobsCapped(ParseArguments(Arguments));
    // The modes that only print a text.
    const TMode mode = options.Mode;
    if (mode == TMode::Help || mode == TMode::Version || mode == TMode::ListTypes ||
        mode == TMode::ListSheets) {
        const std::string text = mode == TMode::Help        ? HelpText()
                                 : mode == TMode::Version   ? VersionText()
                                 : mode == TMode::ListTypes ? TypeTable()
                                                            : SheetList(options.Sheet.ListFilter);
        std::fputs(text.c_str(), stdout);
        return 0;
    }
    const TOutputJob job = MakeJob(options);
    WarnOnce(options);
    if (!options.Sheet.Name.empty())
        return RunSheet(options, job);
    if (mode == TMode::Batch && (options.Records.Table || options.Records.Sequence))
        return RunRecordBatch(options);
    return mode == TMode::Batch ? RunBatch(options, job) : RunSingle(options, job);
}

} // namespace
} // namespace quillmark::cli

int main(int argc, char** argv) {
    using namespace quillmark::cli;
    // A closed stdout is held open on /dev/null, so that no file Qt opens takes its number and
    // receives what was meant for stdout.
    if (::fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        StdoutOpen = false;
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0 && null != STDOUT_FILENO) {
            ::dup2(null, STDOUT_FILENO);
            ::close(null);
        }
    }
    // Read before Qt sees them: it would take arguments such as "-platform" for itself.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Fonts need a QGuiApplication; no display is needed or wanted.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQt);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    const QGuiApplication application(qtArgc, qtArgv);
    // Qt sets the user's locale; numbers in files and messages keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    try {
        return Run(arguments);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help'.\n", Program,
                     Utf8ForTerminal(e.what()).c_str(), Program);
        return 2;
    } catch (const quillmark::Exception& e) {
        // The whole message: what() stops at a NUL byte a value may hold.
        std::fprintf(stderr, "%s: %s\n", Program, Latin1ForTerminal(e.Message()).c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", Program, Utf8ForTerminal(e.what()).c_str());
        return 1;
    }
}
