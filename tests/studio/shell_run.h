// A command line as a person pastes it: run through sh in a folder, the built quillmark-cli
// first on the PATH.
#pragma once

#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace quillmark::studio {

inline void RunShell(const QString& Folder, const std::string& Line) {
    QProcess shell;
    shell.setWorkingDirectory(Folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       QFileInfo(QStringLiteral(QUILLMARK_CLI)).absolutePath() + ':' +
                           environment.value(QStringLiteral("PATH")));
    shell.setProcessEnvironment(environment);
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8(Line)});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
}

} // namespace quillmark::studio
