#pragma once

#include "label_template.h"

#include <string>
#include <vector>

namespace quillmark {

struct TPaper {
    std::string Id;
    std::string Name;
    double Width = 0; // mm
    double Height = 0;
};

// The papers of a paper-sizes.xml.
std::vector<TPaper> ReadPapers(const std::string& path);

// The entries of one templates file, their sheets sized from `papers`. An entry that names
// another part's layout (equiv) comes back with EquivalentOf set and nothing else measured.
std::vector<TLabelTemplate> ReadTemplates(const std::string& path,
                                          const std::vector<TPaper>& papers);

} // namespace quillmark
