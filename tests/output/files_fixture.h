// Test support for the file tests: scanning pictures, running the rasterising tools, a
// temporary folder.
#pragma once

#include "scan.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace quillmark {

inline testing::Raster GreyRaster(const QImage& Image) {
    const QImage grey = Image.convertToFormat(QImage::Format_Grayscale8);
    testing::Raster raster{grey.width(), grey.height(), {}};
    for (int y = 0; y < grey.height(); ++y)
        raster.Pixels.insert(raster.Pixels.end(), grey.constScanLine(y),
                             grey.constScanLine(y) + grey.width());
    return raster;
}

inline std::optional<testing::ScanResult> ScanImage(const QImage& Image, bool Extended) {
    testing::ScanHints hints;
    hints.Code39Extended = Extended;
    return testing::Scan(GreyRaster(Image), hints);
}

// Runs a test-only tool, failing the test when it does.
inline void RunTool(const QString& Program, const QStringList& Arguments,
                    QByteArray* Output = nullptr) {
    QProcess process;
    process.start(Program, Arguments);
    ASSERT_TRUE(process.waitForFinished(60000)) << Program.toStdString();
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    if (Output)
        *Output = process.readAllStandardOutput();
}

class Files : public ::testing::Test {
protected:
    QString Path(const char* Name) const { return dir.filePath(QLatin1String(Name)); }
    // Rasterises an SVG or PDF file at 300 dpi with the test-only tools.
    QImage Rasterise(const QString& File) {
        const QString png = File + QStringLiteral(".png");
        if (File.endsWith(QLatin1String(".svg")))
            RunTool(QStringLiteral(QUILLMARK_RSVG_CONVERT),
                    {"-d", "300", "-p", "300", "-b", "white", "-o", png, File});
        else
            RunTool(QStringLiteral(QUILLMARK_PDFTOPPM),
                    {"-r", "300", "-png", "-singlefile", File, File});
        return QImage(png);
    }
    QTemporaryDir dir;
};

} // namespace quillmark
