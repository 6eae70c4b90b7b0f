// Test support for the QML module: loads QML text that imports Quillmark into a window
// drawn by the Qt Quick software renderer, and grabs what the window shows.
#pragma once

#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QString>
#include <QTest>
#include <QtMath>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace quillmark::quick_testing {

// No GPU on the test machines: the software renderer, unless the caller chose one.
inline bool UseSoftwareRenderer() {
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    return true;
}

class QuickWindow {
public:
    QuickWindow() { Engine.addImportPath(QStringLiteral(QUILLMARK_QML_DIR)); }

    // The root item of Qml, shown in the window at its own size; null with the component's
    // errors added to the test's failures.
    QQuickItem* Load(const QString& Qml) {
        QQmlComponent component(&Engine);
        component.setData(("import QtQuick\nimport Quillmark\n" + Qml).toUtf8(), QUrl());
        Root.reset(qobject_cast<QQuickItem*>(component.create()));
        if (!Root) {
            ADD_FAILURE() << component.errorString().toStdString();
            return nullptr;
        }
        Root->setParentItem(Window.contentItem());
        return Root.get();
    }

    // The window, sized to the item, as the scene graph draws it.
    QImage Grab() {
        Window.resize(std::max(1, qCeil(Root->width())), std::max(1, qCeil(Root->height())));
        Window.show();
        if (!QTest::qWaitForWindowExposed(&Window))
            ADD_FAILURE() << "the window was never shown";
        return Window.grabWindow();
    }

    bool Software = UseSoftwareRenderer(); // before the window is made
    QQmlEngine Engine;
    QQuickWindow Window;
    std::unique_ptr<QQuickItem> Root;
};

} // namespace quillmark::quick_testing
