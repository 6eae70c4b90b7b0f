// A studio window driven headless, keeping its settings in a file of the test's own.
#pragma once

#include "studio_window.h"
#include <quillmark/read_symbol.h>

#include <QImage>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace quillmark::studio::testing {

// What zxing-cpp reads of the one symbol of Type in the picture file Path, as bytes.
inline std::optional<std::string> ReadBack(const QString& Path, TBarType Type) {
    const QImage grey = QImage(Path).convertToFormat(QImage::Format_Grayscale8);
    if (grey.isNull())
        return std::nullopt;
    const std::optional<TReading> reading =
        ReadSymbol(TGreyImage{grey.constBits(), grey.width(), grey.height(),
                              static_cast<int>(grey.bytesPerLine())},
                   TReadHints{.Only = Type});
    if (!reading)
        return std::nullopt;
    return reading->Bytes;
}

class StudioTest : public ::testing::Test {
protected:
    QString SettingsFile() const { return folder.filePath(QStringLiteral("studio.ini")); }
    std::unique_ptr<TStudioWindow> MakeWindow() const {
        return std::make_unique<TStudioWindow>(
            std::make_unique<QSettings>(SettingsFile(), QSettings::IniFormat));
    }

    QTemporaryDir folder;
};

} // namespace quillmark::studio::testing
