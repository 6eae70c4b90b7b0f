// GS1 element strings: Application Identifiers with their data, as a GS1-128 symbol
// carries them, checked against the GS1 Barcode Syntax Dictionary.
#pragma once

#include "quillmark_engine_export.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

struct TGS1Element {
    std::string AI;   // "01"
    std::string Data; // "09501101530003"
    // The AI's length is predefined (the dictionary's '*' flag), so no FNC1 follows it.
    bool Predefined = false;
};

// The element strings of a value written "(01)09501101530003(10)AB-123" or
// "[01]09501101530003[10]AB-123" ("\(" is a literal parenthesis in the data), each checked
// for a known AI, its length, character set and the dictionary's content rules, and the
// whole for GS1-128's 48 data characters. Raises Exception naming the AI and the position:
// "(01) position 14: check digit should be 1, not 4", "AI (04) is not defined".
QUILLMARK_ENGINE_EXPORT std::vector<TGS1Element> ParseGS1(std::string_view Value);

// The pairings the dictionary asks for (req) or forbids (ex) that Elements break, one
// sentence each naming the AIs; empty when there are none.
QUILLMARK_ENGINE_EXPORT std::vector<std::string>
GS1PairingProblems(const std::vector<TGS1Element>& Elements);

// The human-readable text: "(01)09501101530003(10)AB-123".
QUILLMARK_ENGINE_EXPORT std::string GS1Text(const std::vector<TGS1Element>& Elements);

} // namespace quillmark
