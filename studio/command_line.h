// The quillmark-cli command that writes the same file as the studio's Save, or the same
// sheet or folder of files as the Batch view, to copy into a terminal or a script.
#pragma once

#include "batch_records.h"

#include <quillmark/output_job.h>

#include <QString>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillmark::studio {

inline constexpr std::string_view CliProgram = "quillmark-cli";

// What Save hands the output job besides the job itself.
struct TSaveRequest {
    std::string Value; // engine bytes (Latin-1), as RunOutputJob takes them
    QString FileName;
    // The job's gate stops a symbol on any finding (--strict), its verifier reads it back
    // with zxing-cpp (--verify); a gate or verifier of another kind has no option.
    bool Strict = false;
    bool Verify = false;
};

struct TCommandLine {
    std::vector<std::string> Arguments; // after the program's name, as quillmark-cli reads them
    std::string Line;                   // the program and its arguments, quoted for a POSIX sh
    // A sentence for each setting the command can't give, naming what to change; where
    // there are any, the command's file differs from Save's.
    std::vector<std::string> Unexpressed;
};

// The command for Job and Request, with only the options that differ from the command
// line's defaults.
TCommandLine CommandLineOf(const TOutputJob& Job, const TSaveRequest& Request);

// A batch's labels on a sheet, written into one PDF.
struct TSheetOutput {
    std::string Sheet;    // the template's "Brand Part", as --sheet takes it; empty: none chosen
    std::string FileName; // the PDF
};

// A batch's records as a file each, as WriteFiles names them.
struct TFilesOutput {
    std::string Folder;       // empty: the current folder
    std::string NameTemplate; // each file's name before the format's extension
};

// Where the Batch view writes its labels.
struct TBatchOutput {
    std::variant<TSheetOutput, TFilesOutput> Target;
};

// The command that writes Input's records as Output says through Job: the symbol's options
// as CommandLineOf gives them (Request's Strict and Verify; its value and file name play no
// part), then the batch's own.
TCommandLine BatchCommandLineOf(const TOutputJob& Job, const TSaveRequest& Request,
                                const TBatchInput& Input, const TBatchOutput& Output);

// Word as one word of a POSIX sh command: bare where it holds only characters sh takes as
// they are, else in single quotes, any bytes kept.
std::string ShellWord(std::string_view Word);

} // namespace quillmark::studio
