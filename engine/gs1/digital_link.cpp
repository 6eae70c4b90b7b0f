// A GS1 Digital Link URI from element strings: the dictionary's dlpkey attribute names the
// primary keys and the orders of their qualifiers, its '?' flag the AIs a query may carry.
#include "digital_link.h"

#include "engine.h"
#include "gs1_ai_table.h"
#include "gs1_elements.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quillmark {
namespace {

constexpr std::array<std::string_view, 2> Schemes = {"http://", "https://"};

// The characters a URI carries as themselves in a path segment or a query value; every
// other byte is written %XX, so '/', '?', '&', '#' and '%' in data don't end the value.
bool Unreserved(char Ch) {
    return (Ch >= 'A' && Ch <= 'Z') || (Ch >= 'a' && Ch <= 'z') || (Ch >= '0' && Ch <= '9') ||
           Ch == '-' || Ch == '.' || Ch == '_' || Ch == '~';
}

std::string PercentEncoded(std::string_view Data) {
    constexpr std::string_view hex = "0123456789ABCDEF";
    std::string encoded;
    for (const char ch : Data) {
        if (Unreserved(ch)) {
            encoded += ch;
            continue;
        }
        const auto byte = static_cast<unsigned char>(ch);
        encoded += '%';
        encoded += hex[byte >> 4];
        encoded += hex[byte & 0x0F];
    }
    return encoded;
}

bool StartsWithScheme(std::string_view Domain, std::string_view Scheme) {
    return Domain.size() >= Scheme.size() &&
           std::equal(Scheme.begin(), Scheme.end(), Domain.begin(), [](char a, char b) {
               return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
           });
}

// Domain as the URI begins: a scheme, a host and any path of its own, no trailing '/'.
std::string CheckedDomain(std::string_view Domain) {
    const std::string quoted = "The domain '" + std::string(Domain) + "'";
    const auto scheme = std::find_if(Schemes.begin(), Schemes.end(), [Domain](auto Scheme) {
        return StartsWithScheme(Domain, Scheme);
    });
    if (scheme == Schemes.end())
        throw Exception(quoted + " does not start with http:// or https://");
    if (Domain.find_first_of("?#") != std::string_view::npos)
        throw Exception(quoted + " holds a query or a fragment; the URI writes its own query");
    if (std::any_of(Domain.begin(), Domain.end(), [](char Ch) {
            return static_cast<unsigned char>(Ch) <= ' ' || static_cast<unsigned char>(Ch) >= 0x7F;
        }))
        throw Exception(quoted + " holds a space or a character outside ASCII");
    const std::string_view rest = Domain.substr(scheme->size());
    if (rest.empty() || rest.front() == '/')
        throw Exception(quoted + " names no host");
    if (Domain.ends_with('/'))
        Domain.remove_suffix(1);
    return std::string(Domain);
}

std::string Named(const std::vector<const TGS1Element*>& Elements) {
    std::string names;
    for (const TGS1Element* element : Elements)
        names += "(" + element->AI + ")";
    return names;
}

bool OnAnyPath(const TGS1AIEntry& Key, std::string_view AI) {
    return std::any_of(Key.QualifierPaths.begin(), Key.QualifierPaths.end(), [AI](auto Path) {
        const std::vector<std::string_view> ais = SplitGS1List(Path, ',');
        return std::find(ais.begin(), ais.end(), AI) != ais.end();
    });
}

// The qualifiers in the order of the first of Key's paths that takes them all; none when no
// path does.
std::optional<std::vector<const TGS1Element*>>
InPathOrder(const TGS1AIEntry& Key, const std::vector<const TGS1Element*>& Qualifiers) {
    if (Qualifiers.empty())
        return Qualifiers;
    for (const std::string_view path : Key.QualifierPaths) {
        std::vector<const TGS1Element*> ordered;
        for (const std::string_view ai : SplitGS1List(path, ','))
            for (const TGS1Element* element : Qualifiers)
                if (element->AI == ai)
                    ordered.push_back(element);
        if (ordered.size() == Qualifiers.size())
            return ordered;
    }
    return std::nullopt;
}

std::string QualifierPathsText(const TGS1AIEntry& Key) {
    std::string text;
    for (const std::string_view path : Key.QualifierPaths)
        text += (text.empty() ? "" : " or ") + std::string(path);
    return text;
}

// Each element once: the same AI with the same data twice says nothing more.
std::vector<TGS1Element> Distinct(std::vector<TGS1Element> Elements) {
    std::vector<TGS1Element> distinct;
    for (TGS1Element& element : Elements)
        if (std::none_of(distinct.begin(), distinct.end(), [&element](const TGS1Element& e) {
                return e.AI == element.AI && e.Data == element.Data;
            }))
            distinct.push_back(std::move(element));
    return distinct;
}

const TGS1Element& PrimaryKey(const std::vector<TGS1Element>& Elements) {
    std::vector<const TGS1Element*> keys;
    std::vector<const TGS1Element*> all;
    for (const TGS1Element& element : Elements) {
        all.push_back(&element);
        if (FindGS1AI(element.AI)->PrimaryKey)
            keys.push_back(&element);
    }
    if (keys.empty())
        throw Exception(Named(all) + (all.size() == 1 ? " alone has" : " have") +
                        " no primary key such as (01) GTIN; a Digital Link starts with one");
    if (keys.size() > 1)
        throw Exception(Named(keys) + " are each a primary key; a Digital Link has exactly one");
    return *keys.front();
}

} // namespace

std::string DigitalLinkURI(const std::string& ElementString, std::string_view Domain) {
    std::string uri = CheckedDomain(Domain);
    const std::vector<TGS1Element> elements = Distinct(ReadGS1Elements(ElementString));
    const TGS1Element& key = PrimaryKey(elements);
    if (const std::vector<std::string> problems = GS1PairingProblems(elements); !problems.empty())
        throw Exception(problems.front());

    const TGS1AIEntry& keyEntry = *FindGS1AI(key.AI);
    std::vector<const TGS1Element*> qualifiers;
    std::vector<const TGS1Element*> attributes;
    for (const TGS1Element& element : elements) {
        if (&element == &key)
            continue;
        if (OnAnyPath(keyEntry, element.AI))
            qualifiers.push_back(&element);
        else if (FindGS1AI(element.AI)->DataAttribute)
            attributes.push_back(&element);
        else
            throw Exception("(" + element.AI + ") is neither a qualifier of (" + key.AI +
                            ") nor an AI a Digital Link's query carries");
    }
    const auto ordered = InPathOrder(keyEntry, qualifiers);
    if (!ordered)
        throw Exception(Named(qualifiers) + " do not go together after (" + key.AI +
                        "): its qualifiers follow it as " + QualifierPathsText(keyEntry));

    uri += "/" + key.AI + "/" + PercentEncoded(key.Data);
    for (const TGS1Element* element : *ordered)
        uri += "/" + element->AI + "/" + PercentEncoded(element->Data);
    for (std::size_t i = 0; i < attributes.size(); ++i)
        uri += (i == 0 ? "?" : "&") + attributes[i]->AI + "=" + PercentEncoded(attributes[i]->Data);
    return uri;
}

} // namespace quillmark
