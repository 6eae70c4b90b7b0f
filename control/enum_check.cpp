#include "enum_check.h"

#include <quillmark/engine.h>

#include <string>

namespace quillmark {

void CheckEnumValue(int Value, int Count, const char* What) {
    if (Value < 0 || Value >= Count)
        throw Exception(std::to_string(Value) + " : Wrong " + What + ".");
}

} // namespace quillmark
