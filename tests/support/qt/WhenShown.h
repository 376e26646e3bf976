#pragma once
#include <functional>

class QWidget;

namespace testing_support {

// Runs `step` on the window `find` returns as soon as it returns one, looking every 10 ms from
// inside whatever event loop runs (a modal one too). After `tries` looks without a window it
// gives up, so that a broken flow ends the test instead of hanging it.
void whenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> step, int tries);

}  // namespace testing_support
