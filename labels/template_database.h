#pragma once

#include "label_template.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmark::labels {

// The label templates of a database folder (paper-sizes.xml and its *-templates.xml files),
// read once, each equivalent part given the layout of the part it names.
class TemplateDatabase {
public:
    // The carried database of this build tree.
    static std::string defaultFolder();

    explicit TemplateDatabase(const std::string& folder = defaultFolder());

    // Every entry, in file order, files by name.
    const std::vector<LabelTemplate>& all() const { return templates_; }

    // The template named "Brand Part" in any letter case ("avery l7160"); an unknown name is
    // refused with the nearest names.
    const LabelTemplate& find(std::string_view name) const;

    // The templates whose "Brand Part" or description holds `filter`, in any letter case;
    // all of them for an empty filter.
    std::vector<const LabelTemplate*> list(std::string_view filter = {}) const;

private:
    std::vector<LabelTemplate> templates_;
};

} // namespace quillmark::labels
