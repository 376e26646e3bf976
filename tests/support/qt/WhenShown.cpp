#include "WhenShown.h"

#include <QTimer>
#include <memory>

namespace testing_support {

void whenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> step, int tries) {
    auto* poll = new QTimer;
    auto looks = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout,
                     [poll, looks, tries, find = std::move(find), step = std::move(step)] {
                         QWidget* window = find();
                         if (window || ++*looks > tries) {
                             poll->stop();
                             poll->deleteLater();
                             if (window) step(window);
                         }
                     });
    poll->start(10);
}

}  // namespace testing_support
