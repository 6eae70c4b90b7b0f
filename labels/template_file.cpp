#include "template_file.h"

#include "length.h"
#include "path_bounds.h"

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <utility>

namespace quillmark::labels {
namespace {

// The label elements of a template and the shape each one gives.
constexpr std::array<std::pair<std::string_view, LabelShape>, 6> shapeElements{{
    {"Label-rectangle", LabelShape::Rectangle},
    {"Label-round", LabelShape::Round},
    {"Label-ellipse", LabelShape::Ellipse},
    {"Label-cd", LabelShape::Cd},
    {"Label-path", LabelShape::Path},
    {"Label-continuous", LabelShape::Continuous},
}};

// The paper a template names when it gives its own width and height.
constexpr std::string_view ownSizePaper = "Other";

// Reads one file's elements, naming the file and line in whatever it refuses.
class Reader {
public:
    explicit Reader(const std::string& path) : path_(path), file_(QString::fromStdString(path)) {
        if (!file_.open(QIODevice::ReadOnly)) {
            throw std::runtime_error("The label template file " + path +
                                     " cannot be read; check that the database folder holds it.");
        }
        xml_.setDevice(&file_);
    }

    QXmlStreamReader& xml() { return xml_; }

    [[noreturn]] void refuse(const std::string& what) const {
        throw std::runtime_error(path_ + ":" + std::to_string(xml_.lineNumber()) + ": " + what);
    }

    void checkParsed() const {
        if (xml_.hasError()) {
            refuse(xml_.errorString().toStdString() + "; correct the XML there.");
        }
    }

    std::optional<std::string> text(std::string_view name) const {
        const QString key = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        if (!xml_.attributes().hasAttribute(key)) {
            return std::nullopt;
        }
        return xml_.attributes().value(key).toString().toStdString();
    }

    std::string required(std::string_view name) const {
        auto value = text(name);
        if (!value) {
            refuse("<" + xml_.name().toString().toStdString() + "> lacks its " + std::string(name) +
                   " attribute; add it.");
        }
        return *value;
    }

    double length(std::string_view name, double fallback = 0) const {
        const auto value = text(name);
        return value ? measured(*value) : fallback;
    }

    double requiredLength(std::string_view name) const { return measured(required(name)); }

    int count(std::string_view name) const {
        const std::string value = required(name);
        bool ok = false;
        const int n = QString::fromStdString(value).toInt(&ok, 0);
        if (!ok || n < 1) {
            refuse(std::string(name) + "=\"" + value +
                   "\" is not a count of labels; write 1 or more.");
        }
        return n;
    }

private:
    double measured(const std::string& value) const {
        try {
            return lengthInMm(value);
        } catch (const std::invalid_argument& error) {
            refuse(error.what());
        }
    }

    std::string path_;
    QFile file_;
    QXmlStreamReader xml_;
};

std::string elementName(const QXmlStreamReader& xml) {
    return xml.name().toString().toStdString();
}

// The label's shape and size, from its element's attributes.
void readShape(const Reader& in, LabelShape shape, LabelTemplate& sheet) {
    sheet.shape = shape;
    const double waste = in.length("waste");
    sheet.xWaste = in.length("x_waste", waste);
    sheet.yWaste = in.length("y_waste", waste);
    switch (shape) {
    case LabelShape::Rectangle:
        sheet.width = in.requiredLength("width");
        sheet.height = in.requiredLength("height");
        sheet.radius = in.length("round");
        break;
    case LabelShape::Ellipse:
        sheet.width = in.requiredLength("width");
        sheet.height = in.requiredLength("height");
        break;
    case LabelShape::Round:
    case LabelShape::Cd:
        sheet.radius = in.requiredLength("radius");
        sheet.hole = shape == LabelShape::Cd ? in.requiredLength("hole") : 0;
        // A CD label may be clipped to a narrower card (business-card CDs).
        sheet.width = in.length("width", 2 * sheet.radius);
        sheet.height = in.length("height", 2 * sheet.radius);
        break;
    case LabelShape::Continuous:
        sheet.width = in.requiredLength("width");
        sheet.height = in.length("height", in.requiredLength("default_height"));
        break;
    case LabelShape::Path: {
        const double unit = lengthInMm("1" + in.text("d_units").value_or("pt"));
        PathBounds box;
        try {
            box = pathBounds(in.required("d"));
        } catch (const std::invalid_argument& error) {
            in.refuse(error.what());
        }
        sheet.width = (box.right - box.left) * unit;
        sheet.height = (box.bottom - box.top) * unit;
        break;
    }
    }
}

// The label element's children: its markup margin and its layouts.
void readLabelChildren(Reader& in, LabelTemplate& sheet) {
    QXmlStreamReader& xml = in.xml();
    while (xml.readNextStartElement()) {
        const std::string name = elementName(xml);
        if (name == "Markup-margin") {
            const double size = in.length("size");
            sheet.markupMarginX = in.length("x_size", size);
            sheet.markupMarginY = in.length("y_size", size);
        } else if (name == "Layout") {
            sheet.layouts.push_back({in.count("nx"), in.count("ny"), in.length("x0"),
                                     in.length("y0"), in.length("dx"), in.length("dy")});
        }
        xml.skipCurrentElement();
    }
}

// The page a template's labels are on.
void readPage(const Reader& in, const std::vector<Paper>& papers, LabelTemplate& sheet) {
    sheet.paperName = in.text("size").value_or(std::string(ownSizePaper));
    if (sheet.isRoll()) {
        sheet.pageWidth = in.requiredLength("roll_width");
        sheet.pageHeight = in.length("height"); // a continuous roll's comes from its label
        return;
    }
    const auto paper = std::find_if(papers.begin(), papers.end(),
                                    [&](const Paper& p) { return p.id == sheet.paperName; });
    if (paper != papers.end()) {
        sheet.pageWidth = paper->width;
        sheet.pageHeight = paper->height;
    } else if (sheet.paperName == ownSizePaper) {
        sheet.pageWidth = in.requiredLength("width");
        sheet.pageHeight = in.requiredLength("height");
    } else {
        in.refuse("The paper \"" + sheet.paperName +
                  "\" is not in paper-sizes.xml; name one of its papers or write size=\"Other\" "
                  "with a width and height.");
    }
}

LabelTemplate readTemplate(Reader& in, const std::vector<Paper>& papers) {
    LabelTemplate sheet;
    sheet.brand = in.required("brand");
    sheet.part = in.required("part");
    sheet.description = in.text("description").value_or(in.text("_description").value_or(""));
    QXmlStreamReader& xml = in.xml();
    if (auto equiv = in.text("equiv")) {
        sheet.equivalentOf = *equiv;
        xml.skipCurrentElement();
        return sheet;
    }
    readPage(in, papers, sheet);
    bool labelRead = false;
    while (xml.readNextStartElement()) {
        const std::string name = elementName(xml);
        const auto element = std::find_if(shapeElements.begin(), shapeElements.end(),
                                          [&](const auto& entry) { return entry.first == name; });
        if (element == shapeElements.end()) {
            xml.skipCurrentElement();
            continue;
        }
        if (labelRead) {
            in.refuse("The template " + sheet.name() +
                      " has a second label element; give each shape a template of its own.");
        }
        readShape(in, element->second, sheet);
        readLabelChildren(in, sheet);
        labelRead = true;
    }
    in.checkParsed();
    if (!labelRead || sheet.layouts.empty()) {
        in.refuse("The template " + sheet.name() + " has no label with a layout; add one.");
    }
    if (sheet.pageHeight == 0) {
        sheet.pageHeight = sheet.height;
    }
    return sheet;
}

// The `element` children of a file's root, each read to its end by `read`.
template <typename Read>
auto readEntries(const std::string& path, std::string_view element, Read read) {
    Reader in(path);
    QXmlStreamReader& xml = in.xml();
    std::vector<decltype(read(in))> entries;
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (elementName(xml) == element) {
                entries.push_back(read(in));
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    in.checkParsed();
    return entries;
}

} // namespace

std::vector<Paper> readPapers(const std::string& path) {
    return readEntries(path, "Paper-size", [](Reader& in) {
        Paper paper{in.required("id"), in.text("name").value_or(in.text("_name").value_or("")),
                    in.requiredLength("width"), in.requiredLength("height")};
        in.xml().skipCurrentElement();
        return paper;
    });
}

std::vector<LabelTemplate> readTemplates(const std::string& path,
                                         const std::vector<Paper>& papers) {
    return readEntries(path, "Template", [&](Reader& in) { return readTemplate(in, papers); });
}

} // namespace quillmark::labels
