#include "barcode_output.h"

#include <quillmark/barcode.h>
#include <quillmark/ean_upc.h>
#include <quillmark/error_messages.h>
#include <quillmark/latin1.h>
#include <quillmark/matrix.h>
#include <quillmark/output_job.h>

#include <QFontInfo>

#include <algorithm>

namespace quillmark {

namespace {

// The first departure's sentence, its advice pointing to where a symbology the window
// doesn't offer is found.
std::string Advised(const TCarried& Carried, const TOffered& Offered) {
    std::string sentence = Carried.Departures.front();
    if (!Carried.Carrier || Offered(*Carried.Carrier))
        return sentence;
    const std::string advice = CarrierAdvice(*Carried.Carrier);
    if (sentence.size() < advice.size() ||
        sentence.compare(sentence.size() - advice.size(), advice.size(), advice) != 0)
        return sentence;
    const TBCdata& row = BarTypeData(*Carried.Carrier);
    const std::string_view aliases = row.Aliases;
    sentence.resize(sentence.size() - advice.size());
    return sentence + row.Name + " carries it; the command line (quillmark-cli --type " +
           std::string(aliases.substr(0, aliases.find(','))) + ") and the library offer it.";
}

} // namespace

std::shared_ptr<const TSymbolValue> ValueToWrite(const TBarCode& Control, TBarType Type,
                                                 const QString& Text, const TOffered& Offered) {
    std::string value;
    try {
        value = ValueFromText(Text.toUtf8().toStdString());
    } catch (const ENotLatin1& refused) {
        throw ERefusedValue(ShortenedMessage(refused.Message(), Text.toStdString()));
    }
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r'))
        value.pop_back();
    if (Control.CheckSum() == csNone) {
        try {
            value = CompleteCheckDigit(Type, value);
        } catch (const Exception& error) {
            // a wrong check digit
            throw ERefusedValue(Utf8FromLatin1(ShortenedMessage(error.Message(), value)));
        }
    }
    auto encoded = MakeSymbolValue(Type, value, Control.CheckSum());
    try {
        encoded->Symbol(Control.Modul(), Control.Ratio());
    } catch (const Exception&) {
        return encoded; // the control refuses it, in its own way
    }
    try {
        RefuseSilentChanges(*encoded,
                            [&](const TCarried& Carried) { return Advised(Carried, Offered); });
    } catch (const Exception& refused) {
        // Messages quote a long value by its start and its length.
        throw ERefusedValue(Utf8FromLatin1(ShortenedMessage(refused.Message(), value)));
    }
    return encoded;
}

QString NothingShownReason(const TBarCode& Control) {
    const TBarcodeSettings& s = Control.Settings();
    const auto latin1 = [](const std::string& Text) {
        return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
    };
    const TSymbolValue& encoded = Control.Encoded();
    try {
        encoded.Symbol(s.Modul, s.Ratio);
    } catch (const Exception& error) {
        return QStringLiteral("The barcode shows no symbol: ") + latin1(error.Message());
    }
    // What it shows may leave only as the output's one rule lets a value leave.
    TBarcodeDescription shown;
    shown.Barcode = s;
    try {
        RefuseSilentChanges(shown, encoded);
    } catch (const Exception& refused) {
        return latin1(ShortenedMessage(refused.Message(), s.BarCode));
    }
    return {};
}

TBarcodeDescription DescribeForOutput(const TBarCode& Control, const TBarcodeSettings& Shown) {
    TBarcodeDescription description;
    // Files are printed as the standards print symbols, whatever the control's own layout.
    const TTextLayout layout = description.Barcode.TextLayout;
    description.Barcode = Shown;
    description.Barcode.TextLayout = layout;
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
        length = Control.Encoded().Symbol(s.Modul, s.Ratio).Width;
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
