#pragma once

#include "label_template.h"

#include <string>
#include <vector>

namespace quillmark::labels {

struct Paper {
    std::string id;
    std::string name;
    double width = 0; // mm
    double height = 0;
};

// The papers of a paper-sizes.xml.
std::vector<Paper> readPapers(const std::string& path);

// The entries of one templates file, their sheets sized from `papers`. An entry that names
// another part's layout (equiv) comes back with equivalentOf set and nothing else measured.
std::vector<LabelTemplate> readTemplates(const std::string& path, const std::vector<Paper>& papers);

} // namespace quillmark::labels
