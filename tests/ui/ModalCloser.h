#pragma once

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace rovik::test {

// Answers the modal windows the program opens while a test drives it: message boxes are
// acknowledged and their texts kept, other dialogs are cancelled and their titles kept. A
// file dialog picks fileToChoose instead, when a test has set it, and clears it.
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
            dialog->reject();
        }
    }

    QTimer timer;
};

}  // namespace rovik::test
