// The maker's home page, shown in the caption and the link label.
#pragma once

namespace quillmark {

// Shown as it stands; opened with a trailing "/" as a web address.
inline constexpr const char* HomePageAddress = "quillmark.org";

} // namespace quillmark
