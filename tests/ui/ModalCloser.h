#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace rovik::test {

// Answers the modal windows the program opens while a test drives it: message boxes are
// acknowledged and their texts kept, other dialogs are cancelled and their titles kept.
class ModalCloser {
public:
    ModalCloser() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { CloseActive(); });
        timer.start();
    }

    QStringList messages;
    QStringList dialogs;

private:
    void CloseActive() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialogs << dialog->windowTitle();
            dialog->reject();
        }
    }

    QTimer timer;
};

}  // namespace rovik::test
