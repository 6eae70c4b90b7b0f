// quillmark-cli under the conditions a label pipeline meets: signals, a closed stdout,
// killed runs' leftovers, edges of the input.
#include "cli_run.h"

#include <quillmark/temporary_name.h>

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

// A read that never meets a line feed, from a device or a full pipe, returns data at once and
// is never interrupted: the signal must still stop it, whatever the input holds.
TEST_F(Reliability, SignalsStopAReadThatNeverEnds) {
    for (const int signal : {SIGINT, SIGTERM}) {
        for (const bool pipe : {false, true}) {
            QProcess producer;
            QProcess process;
            process.setWorkingDirectory(Dir.path());
            if (pipe) {
                producer.setStandardOutputProcess(&process);
                producer.start(QStringLiteral("/bin/sh"), {"-c", "yes A | tr -d '\\n'"});
                ASSERT_TRUE(producer.waitForStarted());
            }
            process.start(QStringLiteral(QUILLMARK_CLI),
                          {"--batch", pipe ? "-" : "/dev/zero", "-o", "{n}.png"});
            ASSERT_TRUE(process.waitForStarted());
            QThread::msleep(300);
            ::kill(static_cast<pid_t>(process.processId()), signal);
            const bool stopped = process.waitForFinished(20000);
            EXPECT_TRUE(stopped) << "signal " << signal << (pipe ? " on a pipe" : " on /dev/zero");
            if (!stopped)
                process.kill();
            process.waitForFinished();
            producer.kill();
            producer.waitForFinished();
            EXPECT_EQ(process.exitCode(), 128 + signal);
            EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()),
                      "quillmark-cli: interrupted; 0 files written\n");
        }
    }
    EXPECT_TRUE(Files().isEmpty());
}

// A killed run's temporary file, named for a process of this host that has ended, is swept by
// the next batch into that folder; another running process's is left alone, and so is a
// file whose name only begins like a temporary file's.
TEST_F(Reliability, ABatchSweepsWhatKilledRunsLeft) {
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    TTemporaryOwner owner = ThisProcessAsOwner();
    owner.Pid = static_cast<unsigned long>(gone);
    const QString stale = QString::fromStdString(TemporaryFileName(owner, 0));
    owner.Pid = static_cast<unsigned long>(::getppid());
    const QString alive = QString::fromStdString(TemporaryFileName(owner, 0));
    const QStringList kept = {alive, ".quillmark-999997-0.tmp.bak",
                              ".quillmark-999998-7.tmpl-notes.txt", ".quillmark-999999-1.tmp.png"};
    for (const QString& name : kept + QStringList{stale}) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const CliRun run = Run({"--batch", "-", "-o", "{n}.png"}, "A1\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    QStringList expected = kept + QStringList{"1.png"};
    QStringList files = Files();
    expected.sort();
    files.sort();
    EXPECT_EQ(files, expected);
}

// A batch in a PID namespace of its own sees this process's id as gone: its sweep must leave
// the live temporary file alone. Needs root and unshare(1).
TEST_F(Reliability, ABatchInAnotherPidNamespaceKeepsLiveTemporaries) {
    if (QProcess::execute(QStringLiteral("unshare"), {"-p", "-f", "--mount-proc", "true"}) != 0)
        GTEST_SKIP() << "needs unshare -p, as root";
    TTemporaryOwner owner = ThisProcessAsOwner();
    const QString live = QString::fromStdString(TemporaryFileName(owner, 0));
    QFile file(Path(live));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QProcess process;
    process.setWorkingDirectory(Dir.path());
    process.start(QStringLiteral("unshare"),
                  {"-p", "-f", "--mount-proc", QStringLiteral(QUILLMARK_CLI), "--batch", "-", "-o",
                   "{n}.png"});
    process.write("A1\nB2\nC3\n");
    process.closeWriteChannel();
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(Files(), QStringList({live, "1.png", "2.png", "3.png"}));
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
        // The whole message, past a NUL byte of the value, which shows as \xNN.
        {{"--batch", "-", "-o", "{n}.png"},
         QByteArray("A\0B\n", 4),
         false,
         1,
         "1: A\\x00B : position 2: control character (0x00)"},
        // Jobs above the cores are capped, however many.
        {{"--batch", "-", "-o", "{n}.png", "--jobs", "100000"},
         "A1\n",
         false,
         0,
         "--jobs 100000 is more than the"},
        // A blank line is skipped as an empty one is, but said.
        {{"--batch", "-", "-o", "{n}.png"},
         "A1\n \t\r\n\nB2\n",
         false,
         0,
         "2: warning: the line holds only white space; skipped\n"},
        {{"X", "-o", "x.png", "--text-bg", "#FF0000"},
         {},
         false,
         0,
         "warning: --text-bg has no effect with --text-layout standard"},
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
