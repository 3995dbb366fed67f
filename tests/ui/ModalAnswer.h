#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace rovik::test {

// Acts once on the first modal window of this type that opens from now on, so a test can
// drive a dialog that the program runs with exec().
template <typename Window>
void AnswerNext(std::function<void(Window&)> action) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(*window);
        }
    });
    poll->start();
}

}  // namespace rovik::test
