// The values an editor gave each time it said its value changed.
#pragma once

#include "value_editor.h"

#include <QObject>
#include <QStringList>

namespace quillmark::studio {

class TAnnouncedValues {
public:
    explicit TAnnouncedValues(TValueEditor& Editor) {
        QObject::connect(&Editor, &TValueEditor::ValueChanged, &FContext,
                         [this, &Editor] { FValues << Editor.Value(); });
    }
    const QStringList& Values() const { return FValues; }

private:
    QObject FContext; // ends the connection with this
    QStringList FValues;
};

} // namespace quillmark::studio
