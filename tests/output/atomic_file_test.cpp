// Files written whole or not at all.
#include <quillmark/atomic_file.h>
#include <quillmark/temporary_name.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include <fcntl.h>
#include <sys/sysmacros.h>

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
// too.
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
}

// A process that is certainly gone: a child that has exited and been reaped.
unsigned long GonePid() {
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    return static_cast<unsigned long>(gone);
}

void Touch(const std::string& Path, std::chrono::hours Age) {
    QFile(QString::fromStdString(Path)).open(QIODevice::WriteOnly);
    const auto then = std::chrono::system_clock::now() - Age;
    const timespec times[2] = {{std::chrono::system_clock::to_time_t(then), 0},
                               {std::chrono::system_clock::to_time_t(then), 0}};
    utimensat(AT_FDCWD, Path.c_str(), times, 0);
}

// A temporary file is swept when its name says it is of this host, boot and PID namespace
// and its process is gone, or when it is a day old; elsewhere a process id means nothing,
// and a name that only begins like the writer's is never touched.
TEST(FileWriter, SweepsOnlyLeftoversOfWritersThatAreGone) {
    const QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    const TTemporaryOwner self = ThisProcessAsOwner();
    const unsigned long gone = GonePid();
    const TTemporaryOwner dead{self.Host, self.Instance, gone};
    const TTemporaryOwner otherBoot{self.Host,
                                    self.Instance == "abcdef12" ? "abcdef13" : "abcdef12", gone};
    const TTemporaryOwner otherHost{"elsewhere", self.Instance, gone};
    const TTemporaryOwner unknown{self.Host, std::string(UnknownInstance), gone};
    const TTemporaryOwner live{self.Host, self.Instance, static_cast<unsigned long>(getppid())};
    const std::string deadName = TemporaryFileName(dead, 7);
    constexpr std::chrono::hours Young{1};
    constexpr std::chrono::hours Old{25};
    const struct {
        std::string Name;
        std::chrono::hours Age;
        bool Swept;
    } cases[] = {
        {TemporaryFileName(dead, 3), Young, true},
        {TemporaryFileName(live, 1), Young, false},
        {TemporaryFileName(self, 2), Young, false},
        {TemporaryFileName(otherBoot, 0), Young, false},
        {TemporaryFileName(otherBoot, 1), Old, true},
        {TemporaryFileName(otherHost, 0), Young, false},
        {TemporaryFileName(unknown, 0), Young, false},
        // Near misses, however old.
        {deadName + ".png", Old, false},
        {deadName.substr(0, deadName.size() - 1) + "l-notes.txt", Old, false},
        {".quillmark-999999-1.tmp.png", Old, false},
        {".quillmark-999997-0.tmp.bak", Old, false},
        {".quillmark-999998-7.tmpl-notes.txt", Old, false},
        {".quillmark-" + std::to_string(gone) + "-3.tmp", Old, false},
        {".quillmark-" + self.Host + "-ABCDEF12-" + std::to_string(gone) + "-0.tmp", Old, false},
        {".quillmark-x.tmp", Old, false},
    };
    for (const auto& c : cases)
        Touch(folder + c.Name, c.Age);
    int swept = 0;
    for (const auto& c : cases)
        swept += c.Swept ? 1 : 0;
    EXPECT_EQ(RemoveStaleTemporaries(folder), swept);
    for (const auto& c : cases)
        EXPECT_EQ(QFile::exists(QString::fromStdString(folder + c.Name)), !c.Swept) << c.Name;
    // The parse is exact: what the writer names, it reads back.
    EXPECT_EQ(TemporaryFileOwner(deadName), dead);
}

// Only a regular file is replaced: a device or a pipe stays what it is, also behind a link.
TEST(FileWriter, RefusesEverythingButARegularFile) {
    const QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    ASSERT_EQ(mkfifo((folder + "pipe.png").c_str(), 0644), 0);
    const bool device = mknod((folder + "null.png").c_str(), S_IFCHR | 0644, makedev(1, 3)) == 0;
    ASSERT_EQ(symlink("pipe.png", (folder + "to-pipe.png").c_str()), 0);
    ASSERT_EQ(symlink("null.png", (folder + "to-null.png").c_str()), 0);
    const struct {
        const char* Name;
        bool NeedsDevice;
        const char* Said;
        mode_t Kind; // of the node named, which stays
        const char* Node;
    } cases[] = {
        {"pipe.png", false, "pipe.png : a named pipe, not a regular file", S_IFIFO, "pipe.png"},
        {"to-pipe.png", false, "to-pipe.png : a named pipe", S_IFIFO, "pipe.png"},
        {"null.png", true, "null.png : a character device, not a regular file", S_IFCHR,
         "null.png"},
        {"to-null.png", true, "to-null.png : a character device", S_IFCHR, "null.png"},
    };
    for (const auto& c : cases) {
        if (c.NeedsDevice && !device)
            continue;
        try {
            WriteFileAtomically(folder + c.Name, "bytes", TDurability::None);
            ADD_FAILURE() << c.Name;
        } catch (const EWriteError& e) {
            EXPECT_NE(e.Message().find(c.Said), std::string::npos) << e.Message();
        }
        struct stat info {};
        ASSERT_EQ(lstat((folder + c.Node).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & S_IFMT, c.Kind) << c.Name;
    }
}

// A link in a sticky folder others may write to is followed only when it is the writer's or
// the folder owner's, as the kernel's protected_symlinks has it: otherwise anyone could point
// a name root writes to at root's files. Needs root to give links away.
TEST(FileWriter, FollowsLinksInSharedFoldersOnlyAsTheKernelWould) {
    const QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to make a link of another user's";
    constexpr uid_t Nobody = 65534;
    const struct {
        mode_t FolderMode;
        uid_t FolderOwner;
        uid_t LinkOwner;
        bool ToFolder; // the link names a folder, written into as sticky/link/file.png
        bool Followed;
    } cases[] = {
        {01777, 0, Nobody, false, false}, {01777, 0, Nobody, true, false},
        {01777, 0, 0, false, true},       {01777, Nobody, Nobody, false, true},
        {00777, 0, Nobody, false, true},  {01775, 0, Nobody, false, true},
    };
    int row = 0;
    for (const auto& c : cases) {
        const std::string shared = folder + "shared" + std::to_string(row);
        const std::string victims = folder + "victims" + std::to_string(row++);
        ASSERT_EQ(mkdir(shared.c_str(), 0700), 0);
        ASSERT_EQ(mkdir(victims.c_str(), 0755), 0);
        ASSERT_EQ(chmod(shared.c_str(), c.FolderMode), 0);
        ASSERT_EQ(chown(shared.c_str(), c.FolderOwner, 0), 0);
        WriteFileAtomically(victims + "/file.png", "root's", TDurability::None);
        ASSERT_EQ(symlink(c.ToFolder ? victims.c_str() : (victims + "/file.png").c_str(),
                          (shared + "/link").c_str()),
                  0);
        ASSERT_EQ(lchown((shared + "/link").c_str(), c.LinkOwner, 0), 0);
        const std::string name = shared + (c.ToFolder ? "/link/file.png" : "/link");
        std::string said;
        try {
            WriteFileAtomically(name, "new", TDurability::None);
        } catch (const EWriteError& e) {
            said = e.Message();
        }
        QFile file(QString::fromStdString(victims + "/file.png"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), c.Followed ? "new" : "root's") << name;
        EXPECT_EQ(said.empty(), c.Followed) << said;
        if (!c.Followed) {
            EXPECT_EQ(said, name + " : the link 'link' is in a sticky folder that others may write "
                                   "to and belongs to neither you nor the folder's owner, so it "
                                   "is not followed");
        }
    }
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

// Names whose folder has no link on the way and names through a link or "..": each written
// where the name points, and a folder that is missing or a file refused with the name.
TEST(FileWriter, WritesWhereTheNamePointsWithOrWithoutLinks) {
    const QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    ASSERT_EQ(mkdir((folder + "sub").c_str(), 0755), 0);
    ASSERT_EQ(symlink("sub", (folder + "via").c_str()), 0);
    WriteFileAtomically(folder + "plain", "", TDurability::None);
    const struct {
        const char* Name;
        const char* Lands; // where the bytes land, or nullptr for a refusal
    } cases[] = {
        {"sub/a.png", "sub/a.png"},        {"sub/../b.png", "b.png"},  {"via/c.png", "sub/c.png"},
        {"sub/../via/d.png", "sub/d.png"}, {"missing/e.png", nullptr}, {"plain/f.png", nullptr},
        {"sub/./g.png", "sub/g.png"},
    };
    for (const auto& c : cases) {
        const std::string name = folder + c.Name;
        std::string said;
        try {
            WriteFileAtomically(name, c.Name, TDurability::None);
        } catch (const EWriteError& e) {
            said = e.Message();
        }
        if (!c.Lands) {
            EXPECT_EQ(said.rfind(name + " : ", 0), 0u) << said;
            continue;
        }
        EXPECT_EQ(said, "") << c.Name;
        QFile file(QString::fromStdString(folder + c.Lands));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.Name;
        EXPECT_EQ(file.readAll(), c.Name);
    }
}

} // namespace
} // namespace quillmark
