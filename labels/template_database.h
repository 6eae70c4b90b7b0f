#pragma once

#include "label_template.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// The label templates of a database folder (paper-sizes.xml and its *-templates.xml files),
// read once, each equivalent part given the layout of the part it names.
class TTemplateDatabase {
public:
    // The carried database of this build tree.
    static std::string DefaultFolder();

    explicit TTemplateDatabase(const std::string& folder = DefaultFolder());

    // Every entry, in file order, files by name.
    const std::vector<TLabelTemplate>& All() const { return FTemplates; }

    // The template named "Brand Part" in any letter case ("avery l7160"); an unknown name is
    // refused with the nearest names.
    const TLabelTemplate& Find(std::string_view name) const;

    // The templates whose "Brand Part" or description holds `filter`, in any letter case;
    // all of them for an empty filter.
    std::vector<const TLabelTemplate*> List(std::string_view filter = {}) const;

private:
    std::vector<TLabelTemplate> FTemplates;
};

} // namespace quillmark
