// How often one request encodes its value and works out what its symbol carries. The
// engine's encoding step and Carried are wrapped at link time (-Wl,--wrap), so these
// counters live in the test alone.
#include "../app/window_fixture.h"

#include "symbol_job.h"
#include <quillmark/barcode_item.h>

#include <QQmlParserStatus>

namespace {

int Encodes = 0;
int Carries = 0;

} // namespace

namespace quillmark {

// The names the linker gives the wrapped functions and the originals (tests/CMakeLists.txt).
void RealEncodeModules(TBarType Type, const std::string& Value, TCheckSum CheckSum,
                       std::string& Text,
                       std::string& Pattern) asm("__real_" QUILLMARK_ENCODE_SYMBOL);
void CountedEncodeModules(TBarType Type, const std::string& Value, TCheckSum CheckSum,
                          std::string& Text,
                          std::string& Pattern) asm("__wrap_" QUILLMARK_ENCODE_SYMBOL);
TCarried RealCarried(TBarType Type, const std::string& Value,
                     TCheckSum CheckSum) asm("__real_" QUILLMARK_CARRIED_SYMBOL);
TCarried CountedCarried(TBarType Type, const std::string& Value,
                        TCheckSum CheckSum) asm("__wrap_" QUILLMARK_CARRIED_SYMBOL);

void CountedEncodeModules(TBarType Type, const std::string& Value, TCheckSum CheckSum,
                          std::string& Text, std::string& Pattern) {
    ++Encodes;
    RealEncodeModules(Type, Value, CheckSum, Text, Pattern);
}

TCarried CountedCarried(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    ++Carries;
    return RealCarried(Type, Value, CheckSum);
}

namespace testing {
namespace {

struct TCounts {
    int Encodes = 0;
    int Carries = 0;
    bool operator==(const TCounts&) const = default;
};

void PrintTo(const TCounts& Counts, std::ostream* Out) {
    *Out << Counts.Encodes << " encodes, " << Counts.Carries << " of what it carries";
}

// What Request costs once Prepare has run.
TCounts Counted(const std::function<void()>& Prepare, const std::function<void()>& Request) {
    Prepare();
    Encodes = Carries = 0;
    Request();
    return {Encodes, Carries};
}

const QString Value = QStringLiteral("20261210");

class EncodeCountTest : public WindowTest {};

TEST_F(EncodeCountTest, EachRequestEncodesItsValueOnce) {
    QTemporaryDir dir;
    cli::TOptions options;
    options.Output = "line.png";
    const TOutputJob job = cli::MakeJob(options);
    TBarcodeItem item;
    auto& status = static_cast<QQmlParserStatus&>(item);
    status.classBegin();
    status.componentComplete();
    const auto generate = [&] {
        Click(Form->ButtonGenerate);
        EXPECT_TRUE(Messages.empty()) << Messages.front().Text.toStdString();
    };
    struct TRow {
        const char* Request;
        std::function<void()> Prepare;
        std::function<void()> Run;
    };
    const std::vector<TRow> rows = {
        {"a batch line", [] {},
         [&] {
             const cli::TSymbolOutcome outcome = cli::RunSymbol(
                 job, false, Value.toStdString(), dir.filePath("line.png").toStdString());
             EXPECT_FALSE(outcome.Failed);
         }},
        {"a Generate with a new value", [&] { Type(Value); }, generate},
        {"a Generate with the value unchanged", [] {}, generate},
        {"a QML value change", [] {},
         [&] {
             item.setValue(Value);
             EXPECT_TRUE(item.valid()) << item.errorString().toStdString();
         }},
    };
    for (const TRow& row : rows)
        EXPECT_EQ(Counted(row.Prepare, row.Run), (TCounts{1, 1})) << row.Request;
}

} // namespace
} // namespace testing
} // namespace quillmark
