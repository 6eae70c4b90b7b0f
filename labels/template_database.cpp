#include "template_database.h"

#include "near_names.h"
#include "template_file.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>

namespace quillmark::labels {
namespace {

constexpr std::string_view papersFile = "paper-sizes.xml";
constexpr std::string_view templatesSuffix = "-templates.xml";

std::vector<std::string> templateFiles(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(templatesSuffix)) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        throw std::runtime_error("The folder " + folder.string() + " holds no label templates (*" +
                                 std::string(templatesSuffix) +
                                 "); name the folder of the label template database.");
    }
    return files;
}

// Gives each equivalent entry the sheet, shape and layouts of the part it names, of its
// brand, following a chain of equivalents (Herma 10801 names 4608, which names 4102).
void resolveEquivalents(std::vector<LabelTemplate>& templates) {
    std::map<std::string, std::size_t> byName;
    for (std::size_t i = 0; i < templates.size(); ++i) {
        byName.emplace(lowered(templates[i].name()), i);
    }
    const auto measured = [&](const LabelTemplate& entry) -> const LabelTemplate& {
        const LabelTemplate* at = &entry;
        for (std::size_t step = 0; !at->equivalentOf.empty(); ++step) {
            const auto source = byName.find(lowered(at->brand + " " + at->equivalentOf));
            if (source == byName.end() || step == templates.size()) {
                throw std::runtime_error("The template " + at->name() + " is equivalent to " +
                                         at->equivalentOf + ", which " + at->brand +
                                         " has no measured entry for; add that entry or correct "
                                         "its equiv.");
            }
            at = &templates[source->second];
        }
        return *at;
    };
    std::vector<LabelTemplate> resolved;
    resolved.reserve(templates.size());
    for (const LabelTemplate& entry : templates) {
        LabelTemplate sheet = measured(entry);
        sheet.brand = entry.brand;
        sheet.part = entry.part;
        sheet.equivalentOf = entry.equivalentOf;
        if (!entry.description.empty()) {
            sheet.description = entry.description;
        }
        resolved.push_back(std::move(sheet));
    }
    templates = std::move(resolved);
}

} // namespace

std::string TemplateDatabase::defaultFolder() {
    return QUILLMARK_LABEL_TEMPLATES_DIR;
}

TemplateDatabase::TemplateDatabase(const std::string& folder) {
    const std::filesystem::path root(folder);
    const std::vector<Paper> papers = readPapers((root / papersFile).string());
    for (const std::string& file : templateFiles(root)) {
        std::vector<LabelTemplate> read = readTemplates(file, papers);
        templates_.insert(templates_.end(), std::make_move_iterator(read.begin()),
                          std::make_move_iterator(read.end()));
    }
    resolveEquivalents(templates_);
}

const LabelTemplate& TemplateDatabase::find(std::string_view name) const {
    const std::string key = lowered(name);
    const auto found =
        std::find_if(templates_.begin(), templates_.end(),
                     [&](const LabelTemplate& t) { return lowered(t.name()) == key; });
    if (found != templates_.end()) {
        return *found;
    }
    std::vector<std::string> names;
    names.reserve(templates_.size());
    for (const LabelTemplate& t : templates_) {
        names.push_back(t.name());
    }
    std::string message = "No label template is named \"" + std::string(name) + "\"";
    const std::vector<std::string> near = nearNames(name, names);
    for (std::size_t i = 0; i < near.size(); ++i) {
        message += (i == 0 ? "; did you mean " : i + 1 == near.size() ? " or " : ", ") + near[i];
    }
    message +=
        near.empty() ? "; name one as \"Brand Part\", as the list of templates shows it." : "?";
    throw std::invalid_argument(message);
}

std::vector<const LabelTemplate*> TemplateDatabase::list(std::string_view filter) const {
    const std::string key = lowered(filter);
    std::vector<const LabelTemplate*> out;
    for (const LabelTemplate& t : templates_) {
        if (lowered(t.name()).find(key) != std::string::npos ||
            lowered(t.description).find(key) != std::string::npos) {
            out.push_back(&t);
        }
    }
    return out;
}

} // namespace quillmark::labels
