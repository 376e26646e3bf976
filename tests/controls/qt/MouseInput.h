#pragma once
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

// Mouse and key events delivered straight to a widget, as the window system would.
namespace test_input {

inline void mouse(QWidget* widget, QEvent::Type type, QPoint at,
                  Qt::MouseButton button = Qt::LeftButton) {
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                ? Qt::NoButton
                                : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

inline void click(QWidget* widget, QPoint at) {
    mouse(widget, QEvent::MouseButtonPress, at);
    mouse(widget, QEvent::MouseButtonRelease, at);
}

inline void key(QWidget* widget, QEvent::Type type, int key) {
    QKeyEvent event(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace test_input
