// GS1 Digital Link URIs written from GS1 element strings: the primary key and its
// qualifiers as the path, the other AIs as the query.
#pragma once

#include <quillmark/quillmark_engine_export.h>

#include <string>
#include <string_view>

namespace quillmark {

// GS1's own resolver, the domain of a canonical GS1 Digital Link URI.
inline constexpr std::string_view DigitalLinkDomainDefault = "https://id.gs1.org";

// The URI of ElementString, written as ParseGS1 reads it, under Domain (http:// or https://,
// optionally with a path of its own, no query or fragment; a trailing '/' is dropped):
// "(01)09501101530003(17)260101(10)AB-123" gives
// "https://id.gs1.org/01/09501101530003/10/AB-123?17=260101". The qualifiers go in the order
// their key's path sets whatever order the element strings give, the other AIs in theirs.
// Raises Exception for data ParseGS1 refuses, for AIs that break a pairing rule, for a value
// without exactly one primary key, for qualifiers no path of their key takes together, for
// an AI a URI may not carry, and for a domain of another form.
QUILLMARK_ENGINE_EXPORT std::string
DigitalLinkURI(const std::string& ElementString,
               std::string_view Domain = DigitalLinkDomainDefault);

} // namespace quillmark
