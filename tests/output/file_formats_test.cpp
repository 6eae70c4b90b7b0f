// A file's format from its name's extension, and the extension a format's files take.
#include <quillmark/files.h>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(FileFormats, TheExtensionNamesTheFormatInAnyCase) {
    const struct {
        const char* Name;
        TFileFormat Format;
        const char* Suffix;
    } cases[] = {
        {"a.png", TFileFormat::Png, "png"},
        {"dir.svg/b.PNG", TFileFormat::Png, "png"},
        {"c.Svg", TFileFormat::Svg, "svg"},
        {"d.tar.pdf", TFileFormat::Pdf, "pdf"},
        {"printer/roll 1.ZPL", TFileFormat::Zpl, "zpl"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileFormatOf(QString::fromLatin1(c.Name)), c.Format) << c.Name;
        EXPECT_EQ(SuffixOf(c.Format), QLatin1String(c.Suffix)) << c.Name;
    }
    for (const char* unknown : {"e.gif", "png", "f.png.txt"}) {
        try {
            FileFormatOf(QString::fromLatin1(unknown));
            ADD_FAILURE() << unknown;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), std::string(unknown) +
                                       " : Unknown file type; use .png, .svg, .pdf, .eps or .zpl.");
        }
    }
}

} // namespace
} // namespace quillmark
