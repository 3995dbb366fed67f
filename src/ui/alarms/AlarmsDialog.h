#pragma once

#include <QDialog>

namespace rovik {

class Alarm;
class AlarmTable;
class ParameterTable;
class RecordList;
class SoundPlayer;

// The audible alarms, in PID order, with Add, Edit and Delete. The list is edited in place;
// the caller saves it when the dialog closes.
class AlarmsDialog : public QDialog {
    Q_OBJECT
public:
    AlarmsDialog(AlarmTable& alarms, const ParameterTable& parameters, SoundPlayer& player,
                 QWidget* parent = nullptr);

private:
    void Add();
    void Edit();
    void Delete();
    void Insert(Alarm& alarm);
    void EnableButtons();

    AlarmTable& alarms;
    const ParameterTable& parameters;
    SoundPlayer& player;
    RecordList* list;
    QPushButton* editButton;
    QPushButton* deleteButton;
};

}  // namespace rovik
