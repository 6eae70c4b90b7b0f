// Test support for the file tests: scanning pictures, running the rasterising tools, a
// temporary folder.
#pragma once

#include "scan.h"
#include <quillmark/files.h>
#include <quillmark/layout.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

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
    // Writes Bytes as file Name in the folder; gives its path.
    QString Save(const char* Name, const QByteArray& Bytes) {
        QFile file(Path(Name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Bytes);
        return Path(Name);
    }
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
    // Layouts as SVG or PDF files bound into one PDF, a page each, rasterised at once at
    // Dpi in grey: a few processes for them all. The pages in order.
    std::vector<QImage> RasterisedPages(const std::vector<TOutputLayout>& Layouts, bool Svg,
                                        int Dpi) {
        const QString bundle = Path("all.pdf");
        QStringList files;
        for (std::size_t i = 0; i < Layouts.size(); ++i) {
            const QString name = Path("") + QString::number(100000 + i) + (Svg ? ".svg" : ".pdf");
            QFile file(name);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(Svg ? RenderSvg(Layouts[i]) : RenderPdf(Layouts[i]));
            files << name;
        }
        if (Svg)
            RunTool(QStringLiteral(QUILLMARK_RSVG_CONVERT),
                    QStringList{"-f", "pdf", "-o", bundle} + files);
        else
            RunTool(QStringLiteral(QUILLMARK_PDFUNITE), files + QStringList{bundle});
        RunTool(QStringLiteral(QUILLMARK_PDFTOPPM),
                {"-r", QString::number(Dpi), "-gray", bundle, Path("page")});
        // pdftoppm numbers the pages from 1, to as many digits as the last needs.
        const auto digits = static_cast<int>(QString::number(Layouts.size()).size());
        std::vector<QImage> pages;
        for (std::size_t i = 0; i < Layouts.size(); ++i)
            pages.emplace_back(Path("page-") +
                               QStringLiteral("%1").arg(i + 1, digits, 10, QLatin1Char('0')) +
                               ".pgm");
        return pages;
    }
    QTemporaryDir dir;
};

} // namespace quillmark
