// Files written whole or not at all.
#include "atomic_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillmark {
namespace {

TEST(FileWriter, WritesWholeOrLeavesEverythingAsItWas) {
    const QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    const std::string kept = folder + "kept.png";
    {
        QFile file(QString::fromStdString(kept));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    ASSERT_EQ(chmod(kept.c_str(), 0640), 0);
    WriteFileAtomically(kept, "new", TDurability::None);
    struct stat info {};
    ASSERT_EQ(stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("a.png")));
    const std::pair<std::string, const char*> failures[] = {
        {folder + "missing/x.png", "missing/x.png : No such file or directory"},
        {folder + "a.png", "a.png : Is a directory"},
    };
    for (const auto& [name, message] : failures) {
        try {
            WriteFileAtomically(name, "bytes", TDurability::Flush);
            ADD_FAILURE() << name;
        } catch (const Exception& e) {
            EXPECT_TRUE(std::string(e.what()).ends_with(message)) << e.what();
        }
    }
    // No temporary file is left behind, and the replaced file holds the new bytes only.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.png"});
    QFile file(QString::fromStdString(kept));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new");
}

// Links are written through; special mode bits and read-only files are left alone, as root
// too; temporaries of a killed writer are swept, those of a live one kept.
TEST(FileWriter, LinksModesAndLeftoversAsDocumented) {
    const QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    WriteFileAtomically(folder + "target.png", "old", TDurability::None);
    ASSERT_EQ(symlink("target.png", (folder + "link.png").c_str()), 0);
    WriteFileAtomically(folder + "link.png", "new", TDurability::None);
    struct stat info {};
    ASSERT_EQ(lstat((folder + "link.png").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    QFile target(QString::fromStdString(folder + "target.png"));
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), "new");
    ASSERT_EQ(symlink("missing.png", (folder + "dangling.png").c_str()), 0);
    EXPECT_THROW(WriteFileAtomically(folder + "dangling.png", "x", TDurability::None), EWriteError);

    ASSERT_EQ(chmod((folder + "target.png").c_str(), 06755), 0);
    WriteFileAtomically(folder + "target.png", "newer", TDurability::None);
    ASSERT_EQ(stat((folder + "target.png").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0755u);
    ASSERT_EQ(chmod((folder + "target.png").c_str(), 0444), 0);
    EXPECT_THROW(WriteFileAtomically(folder + "target.png", "x", TDurability::None), EWriteError);

    // A process that is certainly gone: a child that has exited and been reaped.
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    ASSERT_GT(gone, 0);
    waitpid(gone, nullptr, 0);
    for (const std::string& name :
         {".quillmark-" + std::to_string(gone) + "-3.tmp",
          ".quillmark-" + std::to_string(getppid()) + "-1.tmp", std::string(".quillmark-x.tmp")})
        QFile(QString::fromStdString(folder + name)).open(QIODevice::WriteOnly);
    EXPECT_EQ(RemoveStaleTemporaries(folder), 1);
    EXPECT_FALSE(QFile::exists(
        QString::fromStdString(folder + ".quillmark-" + std::to_string(gone) + "-3.tmp")));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder + ".quillmark-x.tmp")));
}

// On a full disk the write fails and the file it would replace stays byte for byte; needs a
// small tmpfs, so root.
TEST(FileWriter, AFullDiskLeavesTheOldFileAsItWas) {
    const QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    if (geteuid() != 0 ||
        std::system(("mount -t tmpfs -o size=200k tmpfs " + folder + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    const std::string good = folder + "/good.png";
    const QByteArray old(1000, 'o');
    WriteFileAtomically(good, old, TDurability::Flush);
    {
        QFile filler(QString::fromStdString(folder + "/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    for (const TDurability durability : {TDurability::Flush, TDurability::None})
        EXPECT_THROW(WriteFileAtomically(good, QByteArray(100000, 'n'), durability), EWriteError);
    QFile file(QString::fromStdString(good));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    file.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    EXPECT_EQ(std::system(("umount " + folder).c_str()), 0);
}

} // namespace
} // namespace quillmark
