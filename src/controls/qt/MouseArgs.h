#pragma once
#include <QMouseEvent>

// The button and shift codes the controls' mouse events carry: buttons 1 left, 2 right,
// 4 middle; shift 1, control 2, alt 4.
namespace controls {

inline int buttonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

inline int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// The button of a press or release, or the held buttons of a move.
inline int buttonCodeOf(const QMouseEvent* event) {
    return buttonCode(event->type() == QEvent::MouseMove ? event->buttons() : event->button());
}

// What a control's mouse event carries: button, shift state and position in pixels.
struct MouseArgs {
    int button;
    int shift;
    int x;
    int y;
};

inline MouseArgs mouseArgs(const QMouseEvent* event) {
    QPoint at = event->position().toPoint();
    return {buttonCodeOf(event), shiftCode(event->modifiers()), at.x(), at.y()};
}

}  // namespace controls
