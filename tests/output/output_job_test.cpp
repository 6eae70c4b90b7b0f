// One symbol through the output job: the gate, the verifier and the sink see the symbol as
// the file draws it, and nothing is written after a refusal or a failure.
#include <quillmark/output_job.h>

#include "scan.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(OutputJob, GateVerifierAndSinkSeeOneSymbol) {
    const struct {
        TBarType Type;
        const char* Value;
        TCheckDigits Mode;
        bool Lenient;
        bool Refuse;       // the gate says no to any findings
        bool FailToVerify; // the verifier raises
        std::size_t Findings;
        bool Written;
        const char* Read; // what the written PNG reads as, when written
    } cases[] = {
        // Auto completes the check digit before anything else sees the value.
        {bcCodeEAN13, "400638133393", TCheckDigits::Auto, false, true, false, 0, true,
         "4006381333931"},
        // 12 digits as they stand, drawn when lenient: a wrong check digit, stopped by the
        // gate.
        {bcCodeEAN13, "400638133393", TCheckDigits::None, true, true, false, 1, false, nullptr},
        {bcCode39, "quill", TCheckDigits::Auto, true, false, false, 1, true, nullptr},
        {bcCode128B, "Quill", TCheckDigits::Auto, false, false, true, 0, false, nullptr},
    };
    for (const auto& c : cases) {
        TOutputJob job;
        job.Description.Barcode.BarType = c.Type;
        job.CheckDigits = c.Mode;
        job.Lenient = c.Lenient;
        job.Format = TFileFormat::Png;
        std::vector<std::string> gated;
        job.Gate = [&](const std::vector<std::string>& Findings) {
            gated = Findings;
            return !c.Refuse || Findings.empty();
        };
        std::string verified;
        job.Verifier = [&](const QImage& Picture,
                           const TBarcodeDescription& D) -> std::optional<std::string> {
            verified = D.Barcode.BarCode;
            if (c.FailToVerify)
                throw Exception("reads differently");
            return Picture.isNull() ? "no picture" : "read";
        };
        QByteArray written;
        const auto run = [&] {
            return RunOutputJob(job, c.Value, [&](const QByteArray& Bytes) { written = Bytes; });
        };
        if (c.FailToVerify) {
            EXPECT_THROW(run(), Exception) << c.Value;
            EXPECT_TRUE(written.isEmpty()) << c.Value;
            continue;
        }
        const TOutputResult result = run();
        EXPECT_EQ(result.Findings.size(), c.Findings) << c.Value;
        EXPECT_EQ(gated, result.Findings) << c.Value;
        EXPECT_EQ(result.Written, c.Written) << c.Value;
        EXPECT_EQ(written.isEmpty(), !c.Written) << c.Value;
        if (!c.Written)
            continue;
        EXPECT_EQ(result.Notes, std::vector<std::string>{"read"}) << c.Value;
        if (c.Read) {
            EXPECT_EQ(verified, c.Read);
            const QImage grey =
                QImage::fromData(written).convertToFormat(QImage::Format_Grayscale8);
            const auto scan = testing::Scan(grey.constBits(), grey.width(), grey.height(),
                                            static_cast<int>(grey.bytesPerLine()));
            ASSERT_TRUE(scan) << c.Value;
            EXPECT_EQ(scan->Text, c.Read);
        }
    }
}

// A value the symbol would change is refused before anything is drawn, naming the character.
TEST(OutputJob, RefusesSilentChangesUnlessLenient) {
    TOutputJob job;
    job.Description.Barcode.BarType = bcCode39;
    bool written = false;
    const TSink write = [&](const QByteArray&) { written = true; };
    try {
        RunOutputJob(job, "QUILl", write);
        ADD_FAILURE() << "not refused";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "QUILl : position 5: 'l' is not in Code39; it carries upper case, "
                               "digits, space and - . $ / + % only. Code39 Extended carries it.");
    }
    EXPECT_FALSE(written);
    job.Lenient = true;
    EXPECT_TRUE(RunOutputJob(job, "QUILl", write).Written);
    EXPECT_TRUE(written);
}

} // namespace
} // namespace quillmark
