#pragma once

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace rovik::test {

// Answers the modal windows the program opens while a test drives it: message boxes are
// acknowledged and their texts kept; other dialogs are handed to inspect, when a test has
// set it, then cancelled and their titles kept. A file dialog picks fileToChoose instead,
// when a test has set it, and clears it.
class ModalCloser {
public:
    ModalCloser() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { CloseActive(); });
        timer.start();
    }

    QStringList messages;
    QStringList dialogs;
    QString fileToChoose;
    std::function<void(QDialog&)> inspect;

private:
    void CloseActive() {
        QWidget* modal = QApplication::activeModalWidget();
        auto* files = qobject_cast<QFileDialog*>(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->accept();
        } else if (files && !fileToChoose.isEmpty()) {
            dialogs << files->windowTitle();
            files->selectFile(fileToChoose);
            fileToChoose.clear();
            // As OK would: the file dialog's own checks run.
            static_cast<QDialog*>(files)->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialogs << dialog->windowTitle();
            if (inspect) {
                inspect(*dialog);
            }
            dialog->reject();
        }
    }

    QTimer timer;
};

// Acts once on the first modal window of this type that opens from now on, so a test can
// drive a dialog that the program runs with exec(). Each answer polls on a timer of its own,
// so one may open a window that the next answers.
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
