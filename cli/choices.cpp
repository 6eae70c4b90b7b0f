#include "choices.h"

#include <algorithm>
#include <cmath>

namespace quillmark::cli {

const std::vector<TChoice<TOrientation>>& RotateChoices() {
    static const std::vector<TChoice<TOrientation>> choices = [] {
        std::vector<TChoice<TOrientation>> made;
        for (int i = 0; i < OrientationCount; ++i) {
            const auto orientation = static_cast<TOrientation>(i);
            made.push_back({std::to_string(std::lround(AngleOf(orientation))), orientation});
        }
        std::sort(made.begin(), made.end(),
                  [](const auto& A, const auto& B) { return AngleOf(A.Value) < AngleOf(B.Value); });
        return made;
    }();
    return choices;
}

const std::vector<TChoice<TFileFormat>>& FormatChoices() {
    static const std::vector<TChoice<TFileFormat>> choices = [] {
        std::vector<TChoice<TFileFormat>> made;
        for (const TFileFormatName& format : FileFormats)
            made.push_back({format.Suffix, format.Format});
        return made;
    }();
    return choices;
}

} // namespace quillmark::cli
