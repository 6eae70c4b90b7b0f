#include "messages.h"

namespace quillmark::cli {

void PrintMessages(std::FILE* Stream, const std::string& Prefix,
                   const std::vector<TMessage>& Messages, bool Quiet) {
    for (const TMessage& message : Messages) {
        if (message.Warning && Quiet)
            continue;
        std::string line = Prefix + ": " + (message.Warning ? "warning: " : "") + message.Text;
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), Stream);
    }
}

bool HasMessagesToPrint(const std::vector<TMessage>& Messages, bool Quiet) {
    for (const TMessage& message : Messages)
        if (!message.Warning || !Quiet)
            return true;
    return false;
}

} // namespace quillmark::cli
