#pragma once

#include <unistd.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
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
        link.SetTransmitDelay(1);
        threads.Start();
        waker.setInterval(20);
        QObject::connect(&waker, &QTimer::timeout, [this] { threads.WakeReceiver(); });
        waker.start();
    }
    ~RunningLink() { threads.Stop(); }

    TestLink parts{UniqueLinkBlock()};
    LinkReader& link = parts.link;
    LinkThreads threads{link};
    QTimer waker;
};

// The widget whose label reads this, accelerator marks left out.
template <typename Widget = QLineEdit>
Widget& Labelled(QWidget& dialog, const QString& label) {
    for (QLabel* name : dialog.findChildren<QLabel*>()) {
        if (name->text().remove('&') == label && qobject_cast<Widget*>(name->buddy())) {
            return *qobject_cast<Widget*>(name->buddy());
        }
    }
    throw std::runtime_error("no field labelled " + label.toStdString());
}

inline QString FieldText(QWidget& dialog, const QString& label) {
    return Labelled(dialog, label).text();
}

// Clicks the button with this text, or with this description where texts repeat ("+").
inline void Click(QWidget& dialog, const QString& text) {
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->text().remove('&') == text || button->accessibleDescription() == text) {
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
            return;
        }
    }
    throw std::runtime_error("no button " + text.toStdString());
}

inline bool StatusReaches(QWidget& dialog, const QString& status, int ms = 5000) {
    return QTest::qWaitFor([&] { return FieldText(dialog, "Status") == status; }, ms);
}

}  // namespace rovik::test
