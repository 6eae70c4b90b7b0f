#include "template_database.h"

#include "near_names.h"
#include "template_file.h"

#include <quillmark/engine.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace quillmark {
namespace {

constexpr std::string_view PapersFile = "paper-sizes.xml";
constexpr std::string_view TemplatesSuffix = "-templates.xml";

std::vector<std::string> TemplateFiles(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(TemplatesSuffix)) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        throw Exception("The folder " + folder.string() + " holds no label templates (*" +
                        std::string(TemplatesSuffix) +
                        "); name the folder of the label template database.");
    }
    return files;
}

// Gives each equivalent entry the sheet, shape and layouts of the part it names, of its
// brand, following a chain of equivalents (Herma 10801 names 4608, which names 4102).
void ResolveEquivalents(std::vector<TLabelTemplate>& templates) {
    std::map<std::string, std::size_t> byName;
    for (std::size_t i = 0; i < templates.size(); ++i) {
        byName.emplace(Lowered(templates[i].Name()), i);
    }
    const auto measured = [&](const TLabelTemplate& entry) -> const TLabelTemplate& {
        const TLabelTemplate* at = &entry;
        for (std::size_t step = 0; !at->EquivalentOf.empty(); ++step) {
            const auto source = byName.find(Lowered(at->Brand + " " + at->EquivalentOf));
            if (source == byName.end() || step == templates.size()) {
                throw Exception("The template " + at->Name() + " is equivalent to " +
                                at->EquivalentOf + ", which " + at->Brand +
                                " has no measured entry for; add that entry or correct "
                                "its equiv.");
            }
            at = &templates[source->second];
        }
        return *at;
    };
    std::vector<TLabelTemplate> resolved;
    resolved.reserve(templates.size());
    for (const TLabelTemplate& entry : templates) {
        TLabelTemplate sheet = measured(entry);
        sheet.Brand = entry.Brand;
        sheet.Part = entry.Part;
        sheet.EquivalentOf = entry.EquivalentOf;
        if (!entry.Description.empty()) {
            sheet.Description = entry.Description;
        }
        resolved.push_back(std::move(sheet));
    }
    templates = std::move(resolved);
}

} // namespace

std::string TTemplateDatabase::DefaultFolder() {
    return QUILLMARK_LABEL_TEMPLATES_DIR;
}

TTemplateDatabase::TTemplateDatabase(const std::string& folder) {
    const std::filesystem::path root(folder);
    const std::vector<TPaper> papers = ReadPapers((root / PapersFile).string());
    for (const std::string& file : TemplateFiles(root)) {
        std::vector<TLabelTemplate> read = ReadTemplates(file, papers);
        FTemplates.insert(FTemplates.end(), std::make_move_iterator(read.begin()),
                          std::make_move_iterator(read.end()));
    }
    ResolveEquivalents(FTemplates);
}

const TLabelTemplate& TTemplateDatabase::Find(std::string_view name) const {
    const std::string key = Lowered(name);
    const auto found =
        std::find_if(FTemplates.begin(), FTemplates.end(),
                     [&](const TLabelTemplate& t) { return Lowered(t.Name()) == key; });
    if (found != FTemplates.end()) {
        return *found;
    }
    std::vector<std::string> names;
    names.reserve(FTemplates.size());
    for (const TLabelTemplate& t : FTemplates) {
        names.push_back(t.Name());
    }
    std::string message = "No label template is named \"" + std::string(name) + "\"";
    const std::vector<std::string> near = NearNames(name, names);
    for (std::size_t i = 0; i < near.size(); ++i) {
        message += (i == 0 ? "; did you mean " : i + 1 == near.size() ? " or " : ", ") + near[i];
    }
    message +=
        near.empty() ? "; name one as \"Brand Part\", as the list of templates shows it." : "?";
    throw Exception(message);
}

std::vector<const TLabelTemplate*> TTemplateDatabase::List(std::string_view filter) const {
    const std::string key = Lowered(filter);
    std::vector<const TLabelTemplate*> out;
    for (const TLabelTemplate& t : FTemplates) {
        if (Lowered(t.Name()).find(key) != std::string::npos ||
            Lowered(t.Description).find(key) != std::string::npos) {
            out.push_back(&t);
        }
    }
    return out;
}

} // namespace quillmark
