// Random GS1 element strings for tests: each one that ParseGS1 accepts and that makes a GS1
// Digital Link URI, drawn from a varied set of primary keys with the qualifiers and the
// attributes each takes.
#pragma once

#include <random>
#include <span>
#include <string>
#include <string_view>

namespace quillmark::testing {

// The primary keys drawn from, as their AIs: "00", "01", "414", ...
std::span<const std::string_view> RandomGS1PrimaryKeys();

// An element string in parentheses, "(01)09501101530003(17)260101(10)AB-123": one primary
// key, some of its qualifiers and attributes any key or this one takes, in a random order,
// within GS1-128's 48 data characters. Data of CSET 82 may hold '(' and ')', written "\(" and
// "\)" as ParseGS1 reads them.
std::string RandomGS1ElementString(std::mt19937& Random);

// An element string of a variable measure item for GS1 DataBar Expanded's compressed methods:
// (01), mostly with indicator digit 9, then a weight (310x, 320x; 3103, 3202 and 3203 often),
// a weight and a date (11, 13, 15, 17), or a price (392x, 393x with a currency); at times
// (10) or (21) after them, and weights beyond what the methods' fields hold.
std::string RandomMeasureElementString(std::mt19937& Random);

} // namespace quillmark::testing
