#pragma once

#include <QTimer>

#include "core/panels/MultibarRecord.h"
#include "ui/panels/ParameterListPanel.h"

namespace rovik {

struct PanelRect;

// A vertical bar for each parameter of its list, side by side, in the colours of their
// places in the list, with their names, values and units beneath. It repaints twice a
// second.
class MultibarPanel : public ParameterListPanel {
    Q_OBJECT
public:
    MultibarPanel(PanelHost& host, const MultibarRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;
    QString Reading() const override { return ReadingOf(record.pids); }

protected:
    void Paint(QPainter& painter) override;

private:
    void DrawCell(QPainter& painter, const PanelRect& cell, const std::string& text) const;

    MultibarRecord record;
    QTimer timer;
};

}  // namespace rovik
