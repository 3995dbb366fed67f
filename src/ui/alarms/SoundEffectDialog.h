#pragma once

#include <QDialog>

#include "core/alarms/Alarm.h"

class QLineEdit;

namespace rovik {

class ParameterList;
class ParameterTable;
class RadioChoice;
class SoundPlayer;
class TriggerValueEdit;

// Edits one alarm: the parameter it watches, the trigger value and direction, the sound file
// (chosen with Browse, heard with Test) and how often it repeats.
class SoundEffectDialog : public QDialog {
    Q_OBJECT
public:
    SoundEffectDialog(const Alarm& alarm, const ParameterTable& parameters, SoundPlayer& player,
                      QWidget* parent = nullptr);

    // The alarm with the choices made; valid after OK.
    const Alarm& Result() const { return alarm; }

    void accept() override;

private:
    void Browse();

    Alarm alarm;
    SoundPlayer& player;
    ParameterList* parameterList;
    TriggerValueEdit* triggerEdit;
    RadioChoice* direction;
    QLineEdit* soundFileEdit;
    RadioChoice* repeat;
};

}  // namespace rovik
