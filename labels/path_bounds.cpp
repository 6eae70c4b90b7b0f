#include "path_bounds.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>
#include <string>

namespace quillmark::labels {
namespace {

class PathScanner {
public:
    explicit PathScanner(std::string_view path) : path_(path) {}

    // Skips blanks and commas; true while anything is left.
    bool more() {
        while (at_ < path_.size() &&
               (std::isspace(static_cast<unsigned char>(path_[at_])) || path_[at_] == ',')) {
            ++at_;
        }
        return at_ < path_.size();
    }
    bool atCommand() { return more() && std::isalpha(static_cast<unsigned char>(path_[at_])); }
    char command() { return path_[at_++]; }
    double number() {
        more();
        double value = 0;
        const auto [end, error] =
            std::from_chars(path_.data() + at_, path_.data() + path_.size(), value);
        if (error != std::errc()) {
            throw std::invalid_argument(
                "The label outline \"" + std::string(path_) + "\" lacks a number at character " +
                std::to_string(at_ + 1) + "; write each command's coordinates after it.");
        }
        at_ = static_cast<std::size_t>(end - path_.data());
        return value;
    }

private:
    std::string_view path_;
    std::size_t at_ = 0;
};

} // namespace

PathBounds pathBounds(std::string_view path) {
    PathScanner scan(path);
    double x = 0;
    double y = 0;
    double startX = 0;
    double startY = 0;
    bool any = false;
    PathBounds box;
    const auto reach = [&](double toX, double toY) {
        x = toX;
        y = toY;
        box = any ? PathBounds{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                               std::max(box.bottom, y)}
                  : PathBounds{x, y, x, y};
        any = true;
    };
    char command = 0;
    while (scan.more()) {
        // A command's letter may be left out when it repeats (a moveto repeats as a lineto).
        if (scan.atCommand()) {
            command = scan.command();
        } else if (command == 'M' || command == 'm') {
            command = command == 'M' ? 'L' : 'l';
        } else if (command == 0) {
            throw std::invalid_argument("The label outline \"" + std::string(path) +
                                        "\" starts without a command; begin it with M.");
        }
        const bool relative = std::islower(static_cast<unsigned char>(command));
        switch (std::toupper(static_cast<unsigned char>(command))) {
        case 'M':
        case 'L': {
            const double toX = scan.number();
            const double toY = scan.number();
            reach(relative ? x + toX : toX, relative ? y + toY : toY);
            if (std::toupper(static_cast<unsigned char>(command)) == 'M') {
                startX = x;
                startY = y;
            }
            break;
        }
        case 'H': {
            const double toX = scan.number();
            reach(relative ? x + toX : toX, y);
            break;
        }
        case 'V': {
            const double toY = scan.number();
            reach(x, relative ? y + toY : toY);
            break;
        }
        case 'Z':
            reach(startX, startY);
            command = 0;
            break;
        default:
            throw std::invalid_argument("The label outline \"" + std::string(path) +
                                        "\" uses the command '" + std::string(1, command) +
                                        "'; draw it with M, L, H, V and Z.");
        }
    }
    return box;
}

} // namespace quillmark::labels
