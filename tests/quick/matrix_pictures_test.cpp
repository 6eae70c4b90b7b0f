// The widget, the QML item and a PNG file's picture show the same modules of a QR Code and
// a Data Matrix symbol at the same module size, in every reading direction: the module grid
// sampled from each picture is the same.
#include "quick_fixture.h"
#include <quillmark/barcode.h>
#include <quillmark/barcode_item.h>
#include <quillmark/item_symbol.h>
#include <quillmark/raster_image.h>

#include <QImage>
#include <QMetaEnum>
#include <QRect>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quillmark {
namespace {

constexpr int Modul = 3;
constexpr const char* Value = "Quillmark 2D";

// The modules as the picture shows them, row by row, '1' dark: every symbol here has a dark
// module on each of its four edges, so the dark pixels' bounds are the symbol's.
std::vector<std::string> SampledModules(const QImage& Picture) {
    const QImage grey = Picture.convertToFormat(QImage::Format_Grayscale8);
    const auto dark = [&](int X, int Y) { return qGray(grey.pixel(X, Y)) < 128; };
    QRect bounds;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
            if (dark(x, y))
                bounds |= QRect(x, y, 1, 1);
    std::vector<std::string> rows;
    for (int y = bounds.top() + Modul / 2; y <= bounds.bottom(); y += Modul) {
        std::string& row = rows.emplace_back();
        for (int x = bounds.left() + Modul / 2; x <= bounds.right(); x += Modul)
            row += dark(x, y) ? '1' : '0';
    }
    return rows;
}

QString OrientationName(TOrientation Orientation) {
    return QMetaEnum::fromType<TBarcodeItem::Orientation>().valueToKey(Orientation);
}

class MatrixPictures : public ::testing::TestWithParam<std::tuple<TBarType, TOrientation>> {};

TEST_P(MatrixPictures, WidgetItemAndFileShowTheSameModules) {
    const auto [type, orientation] = GetParam();
    const char* identifier = BarTypeData(type).Identifier;
    TItemSettings settings;
    settings.Type = identifier;
    settings.Value = Value;
    settings.ModuleWidth = Modul;
    settings.Look.Orientation = orientation;
    settings.Look.TextShow = tsNone;
    TBarcodeDescription description = ItemDescription(settings, 1);
    description.Barcode.BarCode = Value;
    const std::vector<std::string> file = SampledModules(RenderImage(description));

    TBarCode control;
    control.setGeometry(0, 0, 160, 160);
    control.SetBevelOuter(bvNone);
    control.SetColor(clWhite);
    control.SetBarType(type);
    control.SetBarCode(Value);
    control.SetModul(Modul);
    control.SetOrientation(orientation);
    const TModuleGrid& grid = *control.Encoded().Grid();
    const bool horizontal = IsHorizontal(orientation);
    ASSERT_EQ(file.size(), static_cast<std::size_t>(horizontal ? grid.Rows : grid.Columns));
    EXPECT_EQ(SampledModules(control.grab().toImage()), file);

    quick_testing::QuickWindow window;
    QQuickItem* item =
        window.Load(QString("Barcode { type: \"%1\"; value: \"%2\"; moduleWidth: %3; "
                            "orientation: Barcode.%4; textShow: Barcode.NoText }")
                        .arg(identifier, Value)
                        .arg(Modul)
                        .arg(OrientationName(orientation)));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(SampledModules(window.Grab()), file);
}

INSTANTIATE_TEST_SUITE_P(Matrix, MatrixPictures,
                         ::testing::Combine(::testing::Values(bcCodeQR, bcCodeDataMatrix),
                                            ::testing::Values(toLeftRight, toRightLeft, toTopBottom,
                                                              toBottomTop)),
                         [](const auto& Info) {
                             return std::string(BarTypeData(std::get<0>(Info.param)).Identifier) +
                                    OrientationName(std::get<1>(Info.param)).toStdString();
                         });

} // namespace
} // namespace quillmark
