// A page of a label template drawn to scale: the paper, and each label's shape where the
// template places it.
#pragma once

#include <label_template.h>

#include <QWidget>

#include <optional>

namespace quillmark::studio {

class TSheetPreview : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Template may be none: an empty page.
    void SetTemplate(const TLabelTemplate* Template);
    // The widget's pixels per millimetre of the page as it is drawn now.
    double Scale() const;

    QSize sizeHint() const override { return {240, 320}; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    std::optional<TLabelTemplate> FTemplate;
};

} // namespace quillmark::studio
