// A studio window driven headless, keeping its settings in a file of the test's own.
#pragma once

#include "studio_window.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace quillmark::studio::testing {

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
