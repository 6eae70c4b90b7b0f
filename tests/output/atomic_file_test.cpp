// Files written whole or not at all.
#include "atomic_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

} // namespace
} // namespace quillmark
