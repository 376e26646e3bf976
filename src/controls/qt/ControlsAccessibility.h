#pragma once
#include <QAccessible>

class QWidget;

namespace controls {

// Lets screen readers and UI automation see the custom-drawn controls as what they are: a
// button by its caption, a progress bar by its value, a clickable picture as a button. Safe
// to call more than once; each control calls it when it is built.
void installAccessibility();

// Tell assistive tools that a control's caption or value changed.
void announceNameChange(QWidget* control);
void announceValueChange(QWidget* control, double value);

}  // namespace controls
