#pragma once

#include "ui/alarms/RecordListDialog.h"

namespace rovik {

class Alarm;
class AlarmTable;
class ParameterTable;
class SoundPlayer;

// The audible alarms, in PID order, with Add, Edit and Delete. The list is edited in place;
// the caller saves it when the dialog closes.
class AlarmsDialog : public RecordListDialog {
    Q_OBJECT
public:
    AlarmsDialog(AlarmTable& alarms, const ParameterTable& parameters, SoundPlayer& player,
                 QWidget* parent = nullptr);

private:
    void Add() override;
    void Edit() override;
    void Delete() override;
    void Insert(Alarm& alarm);

    AlarmTable& alarms;
    const ParameterTable& parameters;
    SoundPlayer& player;
};

}  // namespace rovik
