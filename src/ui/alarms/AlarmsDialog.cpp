#include "ui/alarms/AlarmsDialog.h"

#include <QApplication>
#include <QMessageBox>

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
    : RecordListDialog(tr("Audible Alarms"), tr("Alarms"), parent),
      alarms(alarms),
      parameters(parameters),
      player(player) {
    for (Alarm& alarm : alarms.Alarms()) {
        Insert(alarm);
    }
    Filled();
}

void AlarmsDialog::Insert(Alarm& alarm) {
    list->Insert(ParameterList::NameOf(parameters, alarm.pid), FileName(alarm.soundFile), &alarm,
                 [&alarm](const void* existing) {
                     return static_cast<const Alarm*>(existing)->pid >= alarm.pid;
                 });
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
