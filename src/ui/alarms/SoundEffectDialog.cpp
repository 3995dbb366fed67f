#include "ui/alarms/SoundEffectDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/SoundPlayer.h"
#include "ui/alarms/ParameterList.h"
#include "ui/alarms/RadioChoice.h"
#include "ui/alarms/TriggerValueEdit.h"
#include "ui/app/FilePath.h"

namespace rovik {

SoundEffectDialog::SoundEffectDialog(const Alarm& alarm, const ParameterTable& parameters,
                                     SoundPlayer& player, QWidget* parent)
    : QDialog(parent),
      alarm(alarm),
      player(player),
      parameterList(new ParameterList(parameters, alarm.pid)),
      triggerEdit(new TriggerValueEdit(alarm.triggerValue)),
      direction(new RadioChoice(tr("Trigger When"), {tr("O&ver"), tr("&Under")}, alarm.direction)),
      soundFileEdit(new QLineEdit(FromPath(alarm.soundFile))),
      repeat(new RadioChoice(tr("Repeat"),
                             {tr("&Once Only"), tr("Every &15 Seconds"), tr("Every &Minute"),
                              tr("Repeat &Continuously")},
                             alarm.repeatMode)) {
    setWindowTitle(tr("Sound Effect"));
    QGroupBox* parameterGroup = parameterList->InGroup();
    QFormLayout* trigger = triggerEdit->LabelledRow();

    auto* soundLabel = new QLabel(tr("&Sound File"));
    soundLabel->setBuddy(soundFileEdit);
    soundFileEdit->setAccessibleName(tr("Sound File"));
    soundFileEdit->setMinimumWidth(220);
    auto* browse = new QPushButton(tr("&Browse..."));
    auto* test = new QPushButton(tr("T&est"));
    browse->setAutoDefault(false);
    test->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &SoundEffectDialog::Browse);
    // The sound plays while the dialog stays usable.
    connect(test, &QPushButton::clicked, this,
            [this] { this->player.Start(ToPath(soundFileEdit->text())); });
    auto* soundButtons = new QHBoxLayout;
    soundButtons->addWidget(browse);
    soundButtons->addWidget(test);
    soundButtons->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addLayout(trigger);
    right->addWidget(direction);
    right->addWidget(soundLabel);
    right->addWidget(soundFileEdit);
    right->addLayout(soundButtons);
    right->addWidget(repeat);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(parameterGroup);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
}

void SoundEffectDialog::Browse() {
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Open"), soundFileEdit->text(),
                                                        tr("WAV Files (*.wav)"));
    if (!chosen.isEmpty()) {
        soundFileEdit->setText(chosen);
    }
}

void SoundEffectDialog::accept() {
    const std::optional<float> trigger = triggerEdit->Checked();
    if (!trigger) {
        return;
    }
    alarm.pid = parameterList->Pid().value_or(alarm.pid);
    alarm.triggerValue = *trigger;
    alarm.direction = static_cast<std::uint8_t>(direction->Value());
    alarm.soundFile = ToPath(soundFileEdit->text());
    alarm.repeatMode = static_cast<std::uint8_t>(repeat->Value());
    QDialog::accept();
}

}  // namespace rovik
