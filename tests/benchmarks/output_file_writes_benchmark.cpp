// What the file system alone costs a batch per file: a new file of an SVG's size written in
// place (create, write, close, as zint writes), and written whole or not at all by our writer
// (a temporary file renamed to the name). Files go to QUILLMARK_WRITE_FOLDER, a fresh folder
// for each run, so that the folder's size is the batch's; scripts/bench-batch.sh points it at
// its tmpfs.
#include <quillmark/atomic_file.h>

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace quillmark;

// Our SVG of a 13-character Code 128 with its text, as the batch writes it.
constexpr int FileBytes = 1751;

// A new empty folder under QUILLMARK_WRITE_FOLDER (else the system's temporary one),
// removed with its files after the run.
QTemporaryDir FreshFolder() {
    const QByteArray base = qgetenv("QUILLMARK_WRITE_FOLDER");
    return QTemporaryDir(base.isEmpty() ? QDir::tempPath() + "/writes-XXXXXX"
                                        : QString::fromLocal8Bit(base) + "/writes-XXXXXX");
}

std::string NameIn(const QTemporaryDir& Folder, long long Index) {
    char leaf[32];
    std::snprintf(leaf, sizeof leaf, "/%06lld.svg", Index);
    return Folder.path().toStdString() + leaf;
}

void WriteInPlace(benchmark::State& state) {
    const QTemporaryDir folder = FreshFolder();
    const std::string bytes(FileBytes, 'x');
    long long index = 0;
    for (auto _ : state) {
        const std::string name = NameIn(folder, index++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != FileBytes || ::close(fd) != 0) {
            state.SkipWithError(SystemErrorText(errno).c_str());
            break;
        }
    }
}
BENCHMARK(WriteInPlace)->Unit(benchmark::kMicrosecond)->Iterations(10000);

void WriteWholeOrNothing(benchmark::State& state) {
    const QTemporaryDir folder = FreshFolder();
    const QByteArray bytes(FileBytes, 'x');
    long long index = 0;
    for (auto _ : state)
        WriteFileAtomically(NameIn(folder, index++), bytes, TDurability::None);
}
BENCHMARK(WriteWholeOrNothing)->Unit(benchmark::kMicrosecond)->Iterations(10000);

} // namespace
