#include "barcode_output.h"

#include "barcode.h"
#include "ean_upc.h"
#include "error_messages.h"
#include "latin1.h"

#include <QFontInfo>

#include <algorithm>

namespace quillmark {

std::string ValueToWrite(const TBarCode& Control, TBarType Type, const QString& Text) {
    std::string value = Latin1FromUtf8(Text.toUtf8().toStdString(), '?');
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r'))
        value.pop_back();
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto code = static_cast<unsigned char>(value[i]);
        if (code < 32 || code == 127)
            throw ERefusedValue(Quoting(value, ("position " + std::to_string(i + 1) + ": " +
                                                CharacterName(value[i]) +
                                                " is a control character, which no symbology "
                                                "offered here carries.")
                                                   .c_str()));
    }
    if (Control.CheckSum() == csNone) {
        try {
            value = CompleteCheckDigit(Type, value);
        } catch (const Exception& error) {
            throw ERefusedValue(error.Message()); // a wrong check digit
        }
    }
    try {
        MakeSymbol(Type, value, Control.Modul(), Control.Ratio(), Control.CheckSum());
    } catch (const Exception&) {
        return value; // the control refuses it, in its own way
    }
    const std::vector<std::string> departures = Carried(Type, value, Control.CheckSum()).Departures;
    if (!departures.empty())
        throw ERefusedValue(Quoting(value, departures.front().c_str()));
    return value;
}

TBarcodeDescription DescribeForOutput(const TBarCode& Control, const TBarcodeSettings& Shown) {
    TBarcodeDescription description;
    description.Barcode = Shown;
    // The family and style of the control's font; the size is the output's, in points.
    QFont font = Control.Font();
    // Files name the family the text is drawn in, not one this system lacks.
    font.setFamily(QFontInfo(font).family());
    font.setPointSizeF(description.FontSizePt);
    description.Font = font;
    description.FontColor = Control.FontColor();
    return description;
}

QString ProposedFileName(const std::string& Value, TFileFormat Format) {
    // File systems and dialogs take names of 255 bytes at most; a short name is easier to read.
    constexpr std::size_t Longest = 64;
    std::string name = Value.empty() ? std::string("barcode") : Value.substr(0, Longest);
    std::replace_if(
        name.begin(), name.end(),
        [](char ch) {
            return !((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                     (ch >= '0' && ch <= '9') || ch == '.' || ch == '_' || ch == '-');
        },
        '_');
    return QString::fromLatin1(name.c_str()) + QLatin1Char('.') + SuffixOf(Format);
}

QString ClippedPreviewNote(const TBarCode& Control) {
    const TBarcodeSettings& s = Control.Settings();
    int length = 0;
    try {
        length = Control.PatternWidth(s.BarType, s.BarCode, s.Modul, s.Ratio, s.CheckSum);
    } catch (const std::exception&) {
        return {}; // nothing is drawn, so nothing is clipped
    }
    const TFrame frame = Control.PanelFrame();
    const int along = IsHorizontal(s.Orientation) ? frame.Width : frame.Height;
    const int room = along - 2 * frame.Inset - frame.Allowance;
    if (length <= room)
        return {};
    return QStringLiteral("The preview is clipped: the symbol is %1 pixels long and the control "
                          "shows %2. Save as File, Copy (Ctrl+C) and Print (Ctrl+P) give the "
                          "whole symbol.")
        .arg(length)
        .arg(std::max(0, room));
}

QString FindingsText(const std::vector<std::string>& Findings, const QString& Action) {
    QString text = QStringLiteral("This symbol may not scan:\n");
    for (const std::string& finding : Findings)
        text += QStringLiteral("\n- ") + QString::fromLatin1(finding.c_str());
    return text + QStringLiteral("\n\n") + Action;
}

} // namespace quillmark
