// Names of the file writer's temporary files. Each says whose it is (host, boot of the
// kernel, PID namespace, process), so that a sweep removes only what a writer that is gone
// left behind, even in a folder other hosts or containers share.
#pragma once

#include <quillmark/quillmark_output_export.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quillmark {

struct TTemporaryOwner {
    std::string Host;     // the host name made file-name safe, at most 32 bytes
    std::string Instance; // 8 hex digits for this boot and PID namespace; UnknownInstance if unread
    unsigned long Pid = 0;

    bool operator==(const TTemporaryOwner&) const = default;
};

// What an instance is called when the boot id or the PID namespace can't be read: such files
// are never taken for a sweeper's own.
inline constexpr std::string_view UnknownInstance = "00000000";

// A temporary file older than this is left over whoever made it: a write takes milliseconds.
inline constexpr std::chrono::hours TemporaryLifetime{24};

// This process, as its temporary files name it.
QUILLMARK_OUTPUT_EXPORT TTemporaryOwner ThisProcessAsOwner();

// ".quillmark-HOST-INSTANCE-PID-N.tmp"
QUILLMARK_OUTPUT_EXPORT std::string TemporaryFileName(const TTemporaryOwner& Owner,
                                                      unsigned long Counter);

// The owner that a name of exactly that form gives; none for any other name.
QUILLMARK_OUTPUT_EXPORT std::optional<TTemporaryOwner> TemporaryFileOwner(std::string_view Name);

} // namespace quillmark
