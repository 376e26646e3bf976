#pragma once
#include <QTimer>
#include <string>
#include <vector>

namespace testing_support {

// The titles of the modal windows while they are shown, each once in a row. A watchdog closes
// a modal window that stays a minute, so a stalled queue ends the test instead of hanging it.
class ModalTitles {
  public:
    ModalTitles();
    std::vector<std::string> titles;

  private:
    void look();
    QTimer timer_;
    int ticks_ = 0;
};

}  // namespace testing_support
