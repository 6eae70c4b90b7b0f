#include "template_file.h"

#include "length.h"
#include "path_bounds.h"

#include <quillmark/engine.h>

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace quillmark {
namespace {

// The label elements of a template and the shape each one gives.
constexpr std::array<std::pair<std::string_view, TLabelShape>, 6> ShapeElements{{
    {"Label-rectangle", TLabelShape::Rectangle},
    {"Label-round", TLabelShape::Round},
    {"Label-ellipse", TLabelShape::Ellipse},
    {"Label-cd", TLabelShape::Cd},
    {"Label-path", TLabelShape::Path},
    {"Label-continuous", TLabelShape::Continuous},
}};

// The paper a template names when it gives its own width and height.
constexpr std::string_view OwnSizePaper = "Other";

// Reads one file's elements, naming the file and line in whatever it refuses.
class TReader {
public:
    explicit TReader(const std::string& path) : FPath(path), FFile(QString::fromStdString(path)) {
        if (!FFile.open(QIODevice::ReadOnly)) {
            throw Exception("The label template file " + path +
                            " cannot be read; check that the database folder holds it.");
        }
        FXml.setDevice(&FFile);
    }

    QXmlStreamReader& Xml() { return FXml; }

    [[noreturn]] void Refuse(const std::string& what) const {
        throw Exception(FPath + ":" + std::to_string(FXml.lineNumber()) + ": " + what);
    }

    void CheckParsed() const {
        if (FXml.hasError()) {
            Refuse(FXml.errorString().toStdString() + "; correct the XML there.");
        }
    }

    std::optional<std::string> Text(std::string_view name) const {
        const QString key = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        if (!FXml.attributes().hasAttribute(key)) {
            return std::nullopt;
        }
        return FXml.attributes().value(key).toString().toStdString();
    }

    std::string Required(std::string_view name) const {
        auto value = Text(name);
        if (!value) {
            Refuse("<" + FXml.name().toString().toStdString() + "> lacks its " + std::string(name) +
                   " attribute; add it.");
        }
        return *value;
    }

    double Length(std::string_view name, double fallback = 0) const {
        const auto value = Text(name);
        return value ? Measured(*value) : fallback;
    }

    double RequiredLength(std::string_view name) const { return Measured(Required(name)); }

    int Count(std::string_view name) const {
        const std::string value = Required(name);
        bool ok = false;
        const int n = QString::fromStdString(value).toInt(&ok, 0);
        if (!ok || n < 1) {
            Refuse(std::string(name) + "=\"" + value +
                   "\" is not a count of labels; write 1 or more.");
        }
        return n;
    }

private:
    double Measured(const std::string& value) const {
        try {
            return LengthInMM(value);
        } catch (const Exception& error) {
            Refuse(error.what());
        }
    }

    std::string FPath;
    QFile FFile;
    QXmlStreamReader FXml;
};

std::string ElementName(const QXmlStreamReader& xml) {
    return xml.name().toString().toStdString();
}

// The label's shape and size, from its element's attributes.
void ReadShape(const TReader& in, TLabelShape shape, TLabelTemplate& sheet) {
    sheet.Shape = shape;
    const double waste = in.Length("waste");
    sheet.XWaste = in.Length("x_waste", waste);
    sheet.YWaste = in.Length("y_waste", waste);
    switch (shape) {
    case TLabelShape::Rectangle:
        sheet.Width = in.RequiredLength("width");
        sheet.Height = in.RequiredLength("height");
        sheet.Radius = in.Length("round");
        break;
    case TLabelShape::Ellipse:
        sheet.Width = in.RequiredLength("width");
        sheet.Height = in.RequiredLength("height");
        break;
    case TLabelShape::Round:
    case TLabelShape::Cd:
        sheet.Radius = in.RequiredLength("radius");
        sheet.Hole = shape == TLabelShape::Cd ? in.RequiredLength("hole") : 0;
        // A CD label may be clipped to a narrower card (business-card CDs).
        sheet.Width = in.Length("width", 2 * sheet.Radius);
        sheet.Height = in.Length("height", 2 * sheet.Radius);
        break;
    case TLabelShape::Continuous:
        sheet.Width = in.RequiredLength("width");
        sheet.Height = in.Length("height", in.RequiredLength("default_height"));
        break;
    case TLabelShape::Path: {
        const double unit = LengthInMM("1" + in.Text("d_units").value_or("pt"));
        TPathBounds box;
        try {
            box = PathBounds(in.Required("d"));
        } catch (const Exception& error) {
            in.Refuse(error.what());
        }
        sheet.Width = (box.Right - box.Left) * unit;
        sheet.Height = (box.Bottom - box.Top) * unit;
        break;
    }
    }
}

// The label element's children: its markup margin and its layouts.
void ReadLabelChildren(TReader& in, TLabelTemplate& sheet) {
    QXmlStreamReader& xml = in.Xml();
    while (xml.readNextStartElement()) {
        const std::string name = ElementName(xml);
        if (name == "Markup-margin") {
            const double size = in.Length("size");
            sheet.MarkupMarginX = in.Length("x_size", size);
            sheet.MarkupMarginY = in.Length("y_size", size);
        } else if (name == "Layout") {
            sheet.Layouts.push_back({in.Count("nx"), in.Count("ny"), in.Length("x0"),
                                     in.Length("y0"), in.Length("dx"), in.Length("dy")});
        }
        xml.skipCurrentElement();
    }
}

// The page a template's labels are on.
void ReadPage(const TReader& in, const std::vector<TPaper>& papers, TLabelTemplate& sheet) {
    sheet.PaperName = in.Text("size").value_or(std::string(OwnSizePaper));
    if (sheet.IsRoll()) {
        sheet.PageWidth = in.RequiredLength("roll_width");
        sheet.PageHeight = in.Length("height"); // a continuous roll's comes from its label
        return;
    }
    const auto paper = std::find_if(papers.begin(), papers.end(),
                                    [&](const TPaper& p) { return p.Id == sheet.PaperName; });
    if (paper != papers.end()) {
        sheet.PageWidth = paper->Width;
        sheet.PageHeight = paper->Height;
    } else if (sheet.PaperName == OwnSizePaper) {
        sheet.PageWidth = in.RequiredLength("width");
        sheet.PageHeight = in.RequiredLength("height");
    } else {
        in.Refuse("The paper \"" + sheet.PaperName +
                  "\" is not in paper-sizes.xml; name one of its papers or write size=\"Other\" "
                  "with a width and height.");
    }
}

TLabelTemplate ReadTemplate(TReader& in, const std::vector<TPaper>& papers) {
    TLabelTemplate sheet;
    sheet.Brand = in.Required("brand");
    sheet.Part = in.Required("part");
    sheet.Description = in.Text("description").value_or(in.Text("_description").value_or(""));
    QXmlStreamReader& xml = in.Xml();
    if (auto equiv = in.Text("equiv")) {
        sheet.EquivalentOf = *equiv;
        xml.skipCurrentElement();
        return sheet;
    }
    ReadPage(in, papers, sheet);
    bool labelRead = false;
    while (xml.readNextStartElement()) {
        const std::string name = ElementName(xml);
        const auto element = std::find_if(ShapeElements.begin(), ShapeElements.end(),
                                          [&](const auto& entry) { return entry.first == name; });
        if (element == ShapeElements.end()) {
            xml.skipCurrentElement();
            continue;
        }
        if (labelRead) {
            in.Refuse("The template " + sheet.Name() +
                      " has a second label element; give each shape a template of its own.");
        }
        ReadShape(in, element->second, sheet);
        ReadLabelChildren(in, sheet);
        labelRead = true;
    }
    in.CheckParsed();
    if (!labelRead || sheet.Layouts.empty()) {
        in.Refuse("The template " + sheet.Name() + " has no label with a layout; add one.");
    }
    if (sheet.PageHeight == 0) {
        sheet.PageHeight = sheet.Height;
    }
    return sheet;
}

// The `element` children of a file's root, each read to its end by `read`.
template <typename Read>
auto ReadEntries(const std::string& path, std::string_view element, Read read) {
    TReader in(path);
    QXmlStreamReader& xml = in.Xml();
    std::vector<decltype(read(in))> entries;
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (ElementName(xml) == element) {
                entries.push_back(read(in));
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    in.CheckParsed();
    return entries;
}

} // namespace

std::vector<TPaper> ReadPapers(const std::string& path) {
    return ReadEntries(path, "Paper-size", [](TReader& in) {
        TPaper paper{in.Required("id"), in.Text("name").value_or(in.Text("_name").value_or("")),
                     in.RequiredLength("width"), in.RequiredLength("height")};
        in.Xml().skipCurrentElement();
        return paper;
    });
}

std::vector<TLabelTemplate> ReadTemplates(const std::string& path,
                                          const std::vector<TPaper>& papers) {
    return ReadEntries(path, "Template", [&](TReader& in) { return ReadTemplate(in, papers); });
}

} // namespace quillmark
