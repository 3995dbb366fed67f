#pragma once

#include <QTimer>

#include "core/panels/TransmissionLetters.h"
#include "core/panels/TransmissionRecord.h"
#include "ui/panels/Panel.h"

namespace rovik {

// The letters of the transmission's range, selected on the left and attained on the right
// (one of them alone takes the whole panel), as the vehicle reports them. It checks every
// 250 ms and repaints when a letter changed.
class TransmissionPanel : public Panel {
    Q_OBJECT
public:
    TransmissionPanel(PanelHost& host, const TransmissionRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;
    QString Reading() const override;

protected:
    void Paint(QPainter& painter) override;

private:
    void Tick();

    TransmissionRecord record;
    TransmissionLetters letters;
    QTimer timer;
};

}  // namespace rovik
