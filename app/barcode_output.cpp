#include "barcode_output.h"

#include "barcode.h"

#include <algorithm>

namespace quillmark {

TBarcodeDescription DescribeForOutput(const TBarCode& Control) {
    TBarcodeDescription description;
    description.Barcode = Control.Settings();
    // The family and style of the control's font; the size is the output's, in points.
    QFont font = Control.Font();
    font.setPointSizeF(description.FontSizePt);
    description.Font = font;
    description.FontColor = Control.FontColor();
    return description;
}

QString ProposedFileName(const std::string& Value) {
    std::string name = Value.empty() ? std::string("barcode") : Value;
    std::replace_if(
        name.begin(), name.end(),
        [](char ch) {
            return !((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                     (ch >= '0' && ch <= '9') || ch == '.' || ch == '_' || ch == '-');
        },
        '_');
    return QString::fromLatin1(name.c_str()) + QStringLiteral(".png");
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
