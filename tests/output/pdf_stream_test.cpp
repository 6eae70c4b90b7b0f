// A document handed to a sink in chunks is the document kept in memory, byte for byte:
// the offsets of objects written after a chunk has gone count the bytes already handed on.
#include "pdf_objects.h"

#include <gtest/gtest.h>

namespace quillmark::pdf {
namespace {

QByteArray Build(TDocument& Document, int Objects) {
    const int root = Document.Reserve();
    std::string kids;
    for (int i = 0; i < Objects; ++i) {
        const int stream = Document.Reserve();
        // Several chunks' worth in all, objects of varied lengths.
        Document.AddStream(stream, {},
                           {std::string(static_cast<std::size_t>(97 * (i % 50)), 'x'), false});
        kids += std::to_string(stream) + " 0 R ";
    }
    Document.Add(root, "<< /Type /Catalog /Streams [" + kids + "] >>");
    const int info = Document.Reserve();
    Document.Add(info, "<< /Creator (Quillmark) >>");
    return Document.Finish(root, info);
}

TEST(PdfStream, ChunksHandedOnMakeTheDocumentKeptInMemory) {
    for (const int objects : {1, 40, 400}) {
        TDocument whole;
        const QByteArray expected = Build(whole, objects);
        std::string handed;
        int chunks = 0;
        TDocument streamed([&](std::string_view Bytes) {
            handed += Bytes;
            ++chunks;
        });
        EXPECT_TRUE(Build(streamed, objects).isEmpty());
        EXPECT_EQ(QByteArray::fromStdString(handed), expected) << objects << " objects";
        // Beyond a chunk's size, the bytes go on before the end.
        EXPECT_EQ(chunks > 1, expected.size() > (1 << 16)) << objects << " objects";
    }
}

} // namespace
} // namespace quillmark::pdf
