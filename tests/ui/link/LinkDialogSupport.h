#pragma once

#include <unistd.h>

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <stdexcept>
#include <string>

#include "core/link/LinkThreads.h"
#include "support/TestLink.h"

namespace rovik::test {

inline std::string UniqueLinkBlock() {
    return "/RovikLinkUiTest-" + std::to_string(::getpid());
}

// A link whose receive and transmit threads run, the receive thread woken as the main timer
// would wake it, so what a dialog asks of the link happens as it does in the program.
struct RunningLink {
    RunningLink() {
        parts.link.SetTransmitDelay(1);
        threads.Start();
        waker.setInterval(20);
        QObject::connect(&waker, &QTimer::timeout, [this] { threads.WakeReceiver(); });
        waker.start();
    }
    ~RunningLink() {
        waker.stop();
        threads.Stop();
    }

    TestLink parts{UniqueLinkBlock()};
    LinkReader& link = parts.link;
    LinkThreads threads{link};
    QTimer waker;
};

// The widget whose label reads this, accelerator marks left out.
template <typename Widget = QWidget>
Widget& Labelled(QWidget& dialog, const QString& label) {
    for (QLabel* name : dialog.findChildren<QLabel*>()) {
        if (name->text().remove('&') == label && qobject_cast<Widget*>(name->buddy())) {
            return *qobject_cast<Widget*>(name->buddy());
        }
    }
    throw std::runtime_error("no field labelled " + label.toStdString());
}

inline QString FieldText(QWidget& dialog, const QString& label) {
    return Labelled<QLineEdit>(dialog, label).text();
}

}  // namespace rovik::test
