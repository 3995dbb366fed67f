#pragma once

#include <QDialog>
#include <QTimer>
#include <cstdint>

#include "core/link/BoxPollCycle.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QSpinBox;

namespace rovik {

class BoxState;
class LinkReader;

// "Advanced VXB Properties": the USB box's own statistics, shown each half second while the
// dialog asks the box for them in turn, and its settings: bit gap, CAN cycle size, fuel meter
// and the delay between the bytes sent to it. Every button acts on the box at once; what it
// shows changes only when the box reports again.
class AdvancedVxbDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTickMs = 500;

    AdvancedVxbDialog(LinkReader& link, const BoxState& box, std::uint8_t transmitDelay,
                      QWidget* parent = nullptr);

    // The delay between bytes, which the link already uses.
    std::uint8_t TransmitDelay() const;
    // One half-second step: shows what the box last reported, then asks it the next question.
    void Tick();
    const QTimer& Timer() const { return timer; }

private:
    void AddStatistics(QGridLayout* grid);
    void AddSettings(QGridLayout* grid, std::uint8_t transmitDelay);
    QLineEdit* AddReadout(QGridLayout* grid, int row, int column, const QString& label);
    void AddStepButtons(QGridLayout* grid, int row, int column, const QString& what,
                        void (AdvancedVxbDialog::*raise)(), void (AdvancedVxbDialog::*lower)());
    void ShowStatistics();
    void RaiseBitGap();
    void LowerBitGap();
    void RaiseCanCycleSize();
    void LowerCanCycleSize();
    void SwitchFuelMeter();
    void ZeroFuelMeter();
    void ChangeTransmitDelay(int milliseconds);
    void SendTestPacket();

    LinkReader& link;
    const BoxState& box;
    BoxPollCycle cycle;
    QTimer timer;
    QLineEdit* goodPackets = nullptr;
    QLineEdit* errors = nullptr;
    QLineEdit* bitGap = nullptr;
    QLineEdit* bytesRead = nullptr;
    QLineEdit* bytesDiscarded = nullptr;
    QLineEdit* packetsReceived = nullptr;
    QLineEdit* packetsMissed = nullptr;
    QLineEdit* usbOverflows = nullptr;
    QLineEdit* canCycleSize = nullptr;
    QLineEdit* version = nullptr;
    QLineEdit* usbTxStatus = nullptr;
    QLineEdit* j1708Performance = nullptr;
    QCheckBox* fuelMeter = nullptr;
    QSpinBox* transmitDelayField = nullptr;
};

}  // namespace rovik
