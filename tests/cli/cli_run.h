// Test support: runs the built quillmark-cli in a folder of its own and keeps what it says.
#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillmark::testing {

struct CliRun {
    int ExitCode = -1;
    QByteArray Out;
    QString Err; // UTF-8
};

class CliTest : public ::testing::Test {
protected:
    CliRun Run(const QStringList& Arguments, const QByteArray& Input = {}) {
        QProcess process;
        process.setWorkingDirectory(Dir.path());
        process.start(QStringLiteral(QUILLMARK_CLI), Arguments);
        process.write(Input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(120000)) << Arguments.join(' ').toStdString();
        return {process.exitCode(), process.readAllStandardOutput(),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString Path(const QString& Name) const { return Dir.filePath(Name); }
    QStringList Files(const QString& Folder = QStringLiteral(".")) const {
        return QDir(Dir.filePath(Folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir Dir;
};

} // namespace quillmark::testing
