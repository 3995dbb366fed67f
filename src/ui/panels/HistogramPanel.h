#pragma once

#include <QTimer>

#include "core/panels/HistogramImage.h"
#include "core/panels/HistogramRecord.h"
#include "ui/panels/ParameterListPanel.h"

namespace rovik {

// A strip chart of the parameters of its list: every few seconds a new column plots each
// value as a pixel in the colour of its place in the list, the older columns moving left.
// Its small picture is stretched over the whole panel.
class HistogramPanel : public ParameterListPanel {
    Q_OBJECT
public:
    HistogramPanel(PanelHost& host, const HistogramRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;
    QString Reading() const override { return ReadingOf(record.pids); }
    // What the panel's timer does every second: a new column, when its time has come.
    void Tick();

protected:
    void Paint(QPainter& painter) override;

private:
    HistogramRecord record;
    HistogramImage image;
    QTimer timer;
};

}  // namespace rovik
