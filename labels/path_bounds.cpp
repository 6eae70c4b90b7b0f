#include "path_bounds.h"

#include <quillmark/engine.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace quillmark {
namespace {

class TPathScanner {
public:
    explicit TPathScanner(std::string_view path) : FPath(path) {}

    // Skips blanks and commas; true while anything is left.
    bool More() {
        while (FAt < FPath.size() &&
               (std::isspace(static_cast<unsigned char>(FPath[FAt])) || FPath[FAt] == ',')) {
            ++FAt;
        }
        return FAt < FPath.size();
    }
    bool AtCommand() { return More() && std::isalpha(static_cast<unsigned char>(FPath[FAt])); }
    char Command() { return FPath[FAt++]; }
    double Number() {
        More();
        double value = 0;
        const auto [end, error] =
            std::from_chars(FPath.data() + FAt, FPath.data() + FPath.size(), value);
        if (error != std::errc()) {
            throw Exception("The label outline \"" + std::string(FPath) +
                            "\" lacks a number at character " + std::to_string(FAt + 1) +
                            "; write each command's coordinates after it.");
        }
        FAt = static_cast<std::size_t>(end - FPath.data());
        return value;
    }

private:
    std::string_view FPath;
    std::size_t FAt = 0;
};

} // namespace

TPathBounds PathBounds(std::string_view path) {
    TPathScanner scan(path);
    double x = 0;
    double y = 0;
    double startX = 0;
    double startY = 0;
    bool any = false;
    TPathBounds box;
    const auto reach = [&](double toX, double toY) {
        x = toX;
        y = toY;
        box = any ? TPathBounds{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x),
                                std::max(box.Bottom, y)}
                  : TPathBounds{x, y, x, y};
        any = true;
    };
    char command = 0;
    while (scan.More()) {
        // A command's letter may be left out when it repeats (a moveto repeats as a lineto).
        if (scan.AtCommand()) {
            command = scan.Command();
        } else if (command == 'M' || command == 'm') {
            command = command == 'M' ? 'L' : 'l';
        } else if (command == 0) {
            throw Exception("The label outline \"" + std::string(path) +
                            "\" starts without a command; begin it with M.");
        }
        const bool relative = std::islower(static_cast<unsigned char>(command));
        switch (std::toupper(static_cast<unsigned char>(command))) {
        case 'M':
        case 'L': {
            const double toX = scan.Number();
            const double toY = scan.Number();
            reach(relative ? x + toX : toX, relative ? y + toY : toY);
            if (std::toupper(static_cast<unsigned char>(command)) == 'M') {
                startX = x;
                startY = y;
            }
            break;
        }
        case 'H': {
            const double toX = scan.Number();
            reach(relative ? x + toX : toX, y);
            break;
        }
        case 'V': {
            const double toY = scan.Number();
            reach(x, relative ? y + toY : toY);
            break;
        }
        case 'Z':
            reach(startX, startY);
            command = 0;
            break;
        default:
            throw Exception("The label outline \"" + std::string(path) + "\" uses the command '" +
                            std::string(1, command) + "'; draw it with M, L, H, V and Z.");
        }
    }
    return box;
}

} // namespace quillmark
