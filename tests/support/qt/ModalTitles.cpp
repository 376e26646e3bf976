#include "ModalTitles.h"

#include <QApplication>
#include <QWidget>

namespace testing_support {

ModalTitles::ModalTitles() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
    timer_.start(10);
}

void ModalTitles::look() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        std::string title = modal->windowTitle().toStdString();
        if (titles.empty() || titles.back() != title) titles.push_back(title);
        if (++ticks_ > 6000) modal->close();
    }
}

}  // namespace testing_support
