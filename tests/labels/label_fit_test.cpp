#include "label_fit.h"
#include "template_database.h"

#include <quillmark/decimal_text.h>
#include <quillmark/description.h>
#include <quillmark/layout.h>

#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <string>

using namespace quillmark;

namespace {

const TTemplateDatabase& Database() {
    static const TTemplateDatabase Carried;
    return Carried;
}

TBarcodeDescription Described(TBarType Type, const std::string& Value, double XMM,
                              double BarHeightMM = 10) {
    TBarcodeDescription Description;
    Description.Barcode.BarType = Type;
    Description.Barcode.BarCode = Value;
    Description.Barcode.TextShow = tsNone;
    Description.XDimensionMM = XMM;
    Description.BarHeightMM = BarHeightMM;
    return Description;
}

bool Fits(const TLabelTemplate& Sheet, const TBarcodeDescription& Description,
          const std::vector<TTextExtent>& Lines) {
    const TPrintableArea Area(Sheet, {0, 0, Sheet.Width, Sheet.Height});
    return PlaceBlock(Area, TLabelAlign::Centre, VectorLayout(Description), Lines).has_value();
}

// The message names both sizes and an X-dimension that fits where one does (and two
// thousandths of a millimetre more does not), or says what to change instead.
TEST(LabelTooLarge, NamesBothSizesAndWhatFits) {
    const std::vector<TTextExtent> TwoLines{{20, 3, 1}, {20, 3, 1}};
    const std::vector<TTextExtent> TallLines{{20, 12, 4}, {20, 12, 4}};
    struct Row {
        std::string Template;
        TBarcodeDescription Description;
        std::vector<TTextExtent> Lines;
        std::vector<std::string> Says;
        bool XFits; // the message gives an X-dimension that fits
    };
    const Row Rows[] = {
        {"Avery L7160",
         Described(bcCode128B, "A LONGER VALUE", 0.8),
         {},
         {"with its quiet zones, too large for the", "Avery L7160's label inside its markup"},
         true},
        {"Avery L7160",
         Described(bcCode128B, "A LONGER VALUE", 0.8),
         TwoLines,
         {"with its lines of text"},
         true},
        {"Avery L7160",
         Described(bcCode128B, std::string(40, 'A'), 0.33),
         {},
         {"below the 0.191 mm its standard permits, so choose a larger label."},
         true},
        {"Avery 3274.2",
         Described(bcCodeQR, std::string(60, 'Q'), 1.0),
         {},
         {"round label", "(each module that wide), as would fewer characters"},
         true},
        {"Avery 5824",
         Described(bcCode128B, "CD", 0.33, 40),
         {},
         {"CD label, in its ring clear of the hole,",
          "no X-dimension makes it fit, so choose a larger label or lower bars."},
         false},
        {"Avery L7160",
         Described(bcCode128B, "AB", 0.33),
         TallLines,
         {"no X-dimension makes it fit, so choose a larger label, lower bars or fewer lines of "
          "text."},
         false},
    };
    for (const Row& Each : Rows) {
        const TLabelTemplate& Sheet = Database().Find(Each.Template);
        ASSERT_FALSE(Fits(Sheet, Each.Description, Each.Lines)) << Each.Template;
        const TOutputLayout Layout = VectorLayout(Each.Description);
        const std::string Message =
            LabelTooLargeMessage(Sheet, TLabelAlign::Centre, Each.Description, Layout, Each.Lines);
        EXPECT_NE(Message.find("The symbol is " +
                               DecimalText(Layout.Size.width() / Layout.UnitsPerMM, 3) + " x " +
                               DecimalText(Layout.Size.height() / Layout.UnitsPerMM, 3) + " mm"),
                  std::string::npos)
            << Message;
        for (const std::string& Part : Each.Says)
            EXPECT_NE(Message.find(Part), std::string::npos) << Message;
        const QRegularExpressionMatch X =
            QRegularExpression("X-dimension of (\\d+\\.\\d{3}) mm or less would fit")
                .match(QString::fromStdString(Message));
        ASSERT_EQ(X.hasMatch(), Each.XFits) << Message;
        if (!Each.XFits)
            continue;
        TBarcodeDescription Smaller = Each.Description;
        Smaller.XDimensionMM = X.captured(1).toDouble();
        EXPECT_TRUE(Fits(Sheet, Smaller, Each.Lines)) << Message;
        Smaller.XDimensionMM += 0.002;
        EXPECT_FALSE(Fits(Sheet, Smaller, Each.Lines)) << Message;
    }
}

} // namespace
