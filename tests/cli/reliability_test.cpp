// quillmark-cli under the conditions a label pipeline meets: signals, a closed stdout,
// killed runs' leftovers, edges of the input.
#include "cli_run.h"

#include <QThread>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace quillmark::testing {
namespace {

class Reliability : public CliTest {};

// SIGINT and SIGTERM stop a batch waiting for input after the lines it has, with nothing
// half-written, and say how many files it wrote.
TEST_F(Reliability, SignalsStopABatchCleanly) {
    for (const int signal : {SIGINT, SIGTERM}) {
        const QString folder = QString::number(signal);
        ASSERT_TRUE(QDir(Dir.path()).mkpath(folder));
        QProcess process;
        process.setWorkingDirectory(Dir.path());
        process.start(QStringLiteral(QUILLMARK_CLI),
                      {"--batch", "-", "-o", folder + "/{n}.png", "--jobs", "2"});
        ASSERT_TRUE(process.waitForStarted());
        process.write("A1\nB2\nC3\n");
        ASSERT_TRUE(process.waitForBytesWritten());
        for (int waited = 0; Files(folder).size() < 3 && waited < 20000; waited += 20)
            QThread::msleep(20);
        ASSERT_EQ(Files(folder).size(), 3);
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 128 + signal);
        EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()),
                  "quillmark-cli: interrupted; 3 files written\n");
        EXPECT_EQ(Files(folder), QStringList({"1.png", "2.png", "3.png"}));
    }
}

// A killed run's temporary file, named for a process that has ended, is swept by the next
// batch into that folder; another running process's is left alone.
TEST_F(Reliability, ABatchSweepsWhatKilledRunsLeft) {
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const QString stale = QStringLiteral(".quillmark-%1-0.tmp").arg(gone);
    const QString alive = QStringLiteral(".quillmark-%1-0.tmp").arg(::getppid());
    for (const QString& name : {stale, alive}) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const CliRun run = Run({"--batch", "-", "-o", "{n}.png"}, "A1\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(Files(), QStringList({alive, "1.png"}));
}

TEST_F(Reliability, EdgesOfTheCommandLine) {
    const struct {
        QStringList Arguments;
        QByteArray Input;
        bool StdoutClosed;
        int ExitCode;
        const char* Said; // in stderr, or in stdout when the run succeeds
    } cases[] = {
        {{"-o", "-", "--format", "svg", "12345"}, {}, true, 2, "stdout is closed; give -o FILE"},
        {{"-qV"}, {}, false, 0, "quillmark-cli "},
        // A module of 1 pixel at 300 dpi is 0.085 mm.
        {{"--xdim", "0.05", "12345", "-o", "x.png"}, {}, false, 0, "not the 0.050 mm asked for"},
        // The line's CR isn't counted against the longest line.
        {{"--batch", "-", "-o", "{n}.svg"},
         QByteArray(1 << 20, '7') + "\r\n",
         false,
         1,
         "Barcode too long to draw."},
    };
    for (const auto& c : cases) {
        QProcess process;
        process.setWorkingDirectory(Dir.path());
        if (c.StdoutClosed)
            process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        process.start(QStringLiteral(QUILLMARK_CLI), c.Arguments);
        process.write(c.Input);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString said =
            QString::fromUtf8(process.readAllStandardError() + process.readAllStandardOutput());
        EXPECT_EQ(process.exitCode(), c.ExitCode) << said.toStdString();
        EXPECT_TRUE(said.contains(QLatin1String(c.Said))) << said.toStdString();
    }
}

} // namespace
} // namespace quillmark::testing
