#include "ui/link/RawLogDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "core/link/RawLog.h"
#include "ui/app/FilePath.h"

namespace rovik {

RawLogDialog::RawLogDialog(RawLog& rawLog, QWidget* parent)
    : QDialog(parent),
      log(rawLog),
      nameField(new QLineEdit(FromPath(rawLog.FileName()))),
      selectButton(new QPushButton(tr("&Select File"))),
      startButton(new QRadioButton(tr("S&tart"))),
      stopButton(new QRadioButton(tr("St&op"))) {
    setWindowTitle(tr("Raw Data Logging"));
    auto* label = new QLabel(tr("&Log File"));
    label->setBuddy(nameField);
    nameField->setMinimumWidth(320);
    auto* recording = new QGroupBox(tr("Recording"));
    auto* choices = new QHBoxLayout(recording);
    choices->addWidget(startButton);
    choices->addWidget(stopButton);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(nameField, 0, 1);
    layout->addWidget(selectButton, 0, 2);
    layout->addWidget(recording, 1, 0, 1, 3);
    layout->addWidget(buttons, 2, 0, 1, 3);
    ShowRecording(log.IsOn());
    connect(startButton, &QRadioButton::clicked, this, &RawLogDialog::StartLogging);
    connect(stopButton, &QRadioButton::clicked, this, &RawLogDialog::StopLogging);
    connect(selectButton, &QPushButton::clicked, this, &RawLogDialog::SelectFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

void RawLogDialog::done(int result) {
    log.SetFileName(ToPath(nameField->text()));
    QDialog::done(result);
}

void RawLogDialog::StartLogging() {
    if (log.IsOn()) {
        return;
    }
    log.SetFileName(ToPath(nameField->text()));
    bool started = MayReplace() && log.Start();
    if (started) {
        nameField->setText(FromPath(log.FileName()));
    }
    ShowRecording(started);
}

bool RawLogDialog::MayReplace() {
    if (!log.WouldReplaceRecording()) {
        return true;
    }
    const QString name = FromPath(RawLog::FileNameFor(log.FileName()));
    return QMessageBox::question(
               this, windowTitle(), tr("%1 already holds a recording.\nReplace it?").arg(name),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void RawLogDialog::StopLogging() {
    log.Stop();
    ShowRecording(false);
}

void RawLogDialog::SelectFile() {
    QFileDialog chooser(this, tr("Select File"), nameField->text(), tr("Raw Log Files (*.rvk)"));
    chooser.setFileMode(QFileDialog::AnyFile);
    chooser.setDefaultSuffix("rvk");
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty()) {
        nameField->setText(chooser.selectedFiles().constFirst());
    }
}

void RawLogDialog::ShowRecording(bool on) {
    startButton->setChecked(on);
    stopButton->setChecked(!on);
    nameField->setEnabled(!on);
    selectButton->setEnabled(!on);
}

}  // namespace rovik
