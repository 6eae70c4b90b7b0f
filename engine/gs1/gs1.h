// GS1 element strings: Application Identifiers with their data, as a GS1-128 symbol
// carries them, checked against the GS1 Barcode Syntax Dictionary.
#pragma once

#include <quillmark/quillmark_engine_export.h>

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

// The text ParseGS1 reads back as Elements: GS1Text with "(", ")" and "\\" in the data
// escaped by a backslash.
QUILLMARK_ENGINE_EXPORT std::string GS1Value(const std::vector<TGS1Element>& Elements);

// The AIs and data of Value as written, neither checked, for an editor that shows each
// element's problem beside it. Raises only for text that isn't bracketed AIs, as ParseGS1
// does.
QUILLMARK_ENGINE_EXPORT std::vector<TGS1Element> SplitGS1(std::string_view Value);

// One element checked as ParseGS1 checks each: the AI defined, the data of its length,
// character set and content rules. Raises with ParseGS1's message.
QUILLMARK_ENGINE_EXPORT TGS1Element CheckedGS1Element(std::string_view AI, std::string_view Data);

// The title the GS1 Barcode Syntax Dictionary gives AI ("GTIN" for 01, "BATCH/LOT" for 10);
// empty when it defines no such AI.
QUILLMARK_ENGINE_EXPORT std::string_view GS1AITitle(std::string_view AI);

} // namespace quillmark
