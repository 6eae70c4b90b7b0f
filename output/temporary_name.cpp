#include "temporary_name.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace quillmark {

namespace {

constexpr std::string_view Prefix = ".quillmark-";
constexpr std::string_view Suffix = ".tmp";
constexpr std::size_t LongestHost = 32;

bool IsHostByte(char Byte) {
    return (Byte >= 'a' && Byte <= 'z') || (Byte >= 'A' && Byte <= 'Z') ||
           (Byte >= '0' && Byte <= '9') || Byte == '.' || Byte == '-' || Byte == '_';
}

bool IsLowerHex(char Byte) {
    return (Byte >= '0' && Byte <= '9') || (Byte >= 'a' && Byte <= 'f');
}

std::string SafeHost() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == 0)
        return "_";
    std::string host(name, std::min(std::char_traits<char>::length(name), LongestHost));
    std::replace_if(
        host.begin(), host.end(), [](char Byte) { return !IsHostByte(Byte); }, '_');
    return host;
}

// The boot id tells this boot of this host from others; the PID namespace's inode tells the
// containers of one boot apart, each of which numbers its processes from 1.
std::string InstanceTag() {
    std::ifstream boot("/proc/sys/kernel/random/boot_id");
    std::string bootId;
    struct stat names {};
    if (!std::getline(boot, bootId) || bootId.empty() || ::stat("/proc/self/ns/pid", &names) != 0)
        return std::string(UnknownInstance);
    // FNV-1a, 32 bits: short enough for a file name, and a clash between two instances that
    // share a folder is one in four billion.
    std::uint32_t hash = 2166136261u;
    const std::string key = bootId + ":" + std::to_string(names.st_ino);
    for (const char byte : key)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    char tag[9];
    std::snprintf(tag, sizeof tag, "%08x", static_cast<unsigned>(hash));
    if (tag == UnknownInstance)
        tag[7] = '1';
    return tag;
}

// A decimal number of digits only, the whole of Text.
std::optional<unsigned long> Digits(std::string_view Text) {
    unsigned long value = 0;
    if (Text.empty() || Text.size() > 19 ||
        !std::all_of(Text.begin(), Text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::from_chars(Text.data(), Text.data() + Text.size(), value);
    return value;
}

// Splits the last "-FIELD" off Text; none without a dash.
std::optional<std::string_view> TakeLastField(std::string_view& Text) {
    const std::size_t dash = Text.rfind('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const std::string_view field = Text.substr(dash + 1);
    Text = Text.substr(0, dash);
    return field;
}

} // namespace

TTemporaryOwner ThisProcessAsOwner() {
    // Read once: neither changes while the process runs.
    static const std::string host = SafeHost();
    static const std::string instance = InstanceTag();
    return {host, instance, static_cast<unsigned long>(::getpid())};
}

std::string TemporaryFileName(const TTemporaryOwner& Owner, unsigned long Counter) {
    return std::string(Prefix) + Owner.Host + "-" + Owner.Instance + "-" +
           std::to_string(Owner.Pid) + "-" + std::to_string(Counter) + std::string(Suffix);
}

std::optional<TTemporaryOwner> TemporaryFileOwner(std::string_view Name) {
    if (!Name.starts_with(Prefix) || !Name.ends_with(Suffix))
        return std::nullopt;
    std::string_view rest = Name.substr(Prefix.size(), Name.size() - Prefix.size() - Suffix.size());
    const auto counter = TakeLastField(rest);
    const auto pid = TakeLastField(rest);
    const auto instance = TakeLastField(rest);
    const std::string_view host = rest;
    if (!counter || !Digits(*counter) || !pid || !Digits(*pid) || !instance ||
        instance->size() != UnknownInstance.size() ||
        !std::all_of(instance->begin(), instance->end(), IsLowerHex) || host.empty() ||
        host.size() > LongestHost || !std::all_of(host.begin(), host.end(), IsHostByte))
        return std::nullopt;
    return TTemporaryOwner{std::string(host), std::string(*instance), *Digits(*pid)};
}

} // namespace quillmark
