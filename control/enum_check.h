// Range checks for enumeration values, which a cast or Qt's property system can carry in
// from outside the enumeration.
#pragma once

namespace quillmark {

// Raises Exception "<Value> : Wrong <What>." unless 0 <= Value < Count.
void CheckEnumValue(int Value, int Count, const char* What);

} // namespace quillmark
