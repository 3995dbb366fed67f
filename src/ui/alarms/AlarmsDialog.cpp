#include "ui/alarms/AlarmsDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/alarms/AlarmTable.h"
#include "core/params/ParameterTable.h"
#include "ui/alarms/ParameterList.h"
#include "ui/alarms/RecordList.h"
#include "ui/alarms/SoundEffectDialog.h"
#include "ui/app/FilePath.h"

namespace rovik {

namespace {
// The file's name without its folders, whichever separator the path was written with.
QString FileName(const std::string& path) {
    QString name = FromPath(path);
    return name.mid(std::max(name.lastIndexOf('/'), name.lastIndexOf('\\')) + 1);
}
}  // namespace

AlarmsDialog::AlarmsDialog(AlarmTable& alarms, const ParameterTable& parameters,
                           SoundPlayer& player, QWidget* parent)
    : QDialog(parent),
      alarms(alarms),
      parameters(parameters),
      player(player),
      list(new RecordList(tr("Alarms"))),
      editButton(new QPushButton(tr("&Edit"))),
      deleteButton(new QPushButton(tr("&Delete"))) {
    setWindowTitle(tr("Audible Alarms"));
    auto* add = new QPushButton(tr("&Add"));
    for (QPushButton* button : {add, editButton, deleteButton}) {
        button->setAutoDefault(false);
    }
    connect(add, &QPushButton::clicked, this, &AlarmsDialog::Add);
    connect(editButton, &QPushButton::clicked, this, &AlarmsDialog::Edit);
    connect(deleteButton, &QPushButton::clicked, this, &AlarmsDialog::Delete);
    connect(list, &RecordList::deletePressed, this, &AlarmsDialog::Delete);
    connect(list, &QListWidget::itemDoubleClicked, this, &AlarmsDialog::Edit);
    connect(list, &QListWidget::itemSelectionChanged, this, &AlarmsDialog::EnableButtons);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* side = new QVBoxLayout;
    side->addWidget(add);
    side->addWidget(editButton);
    side->addWidget(deleteButton);
    side->addStretch();
    side->addWidget(ok);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(side);

    for (Alarm& alarm : alarms.Alarms()) {
        Insert(alarm);
    }
    list->clearSelection();
    EnableButtons();
}

void AlarmsDialog::Insert(Alarm& alarm) {
    list->Insert(ParameterList::NameOf(parameters, alarm.pid), FileName(alarm.soundFile), &alarm,
                 [&alarm](const void* existing) {
                     return static_cast<const Alarm*>(existing)->pid >= alarm.pid;
                 });
}

void AlarmsDialog::EnableButtons() {
    const bool selected = list->SelectedRecord() != nullptr;
    editButton->setEnabled(selected);
    deleteButton->setEnabled(selected);
}

void AlarmsDialog::Add() {
    if (alarms.IsFull()) {
        QMessageBox::warning(this, windowTitle(), tr("No more alarms can be kept."));
        return;
    }
    SoundEffectDialog dialog(Alarm(), parameters, player, this);
    if (dialog.exec() == QDialog::Accepted) {
        Insert(alarms.AddFront(dialog.Result()));
    }
}

void AlarmsDialog::Edit() {
    auto* alarm = static_cast<Alarm*>(list->SelectedRecord());
    if (alarm == nullptr) {
        return;
    }
    SoundEffectDialog dialog(*alarm, parameters, player, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The alarm keeps its state: passes went on while the dialog was open.
    const Alarm& edited = dialog.Result();
    alarm->pid = edited.pid;
    alarm->direction = edited.direction;
    alarm->triggerValue = edited.triggerValue;
    alarm->soundFile = edited.soundFile;
    alarm->repeatMode = edited.repeatMode;
    list->RemoveSelected();
    Insert(*alarm);
}

void AlarmsDialog::Delete() {
    auto* alarm = static_cast<Alarm*>(list->SelectedRecord());
    if (alarm == nullptr) {
        QMessageBox::warning(this, QApplication::applicationName(),
                             tr("Please select an alarm to delete."));
        return;
    }
    alarms.Suspend();
    if (alarm->IsActive()) {
        QMessageBox::warning(this, QApplication::applicationName(),
                             tr("Cannot delete an alarm that is sounding."));
    } else {
        list->RemoveSelected();
        alarms.Remove(*alarm);
    }
    alarms.Resume();
}

}  // namespace rovik
