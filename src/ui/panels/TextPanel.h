#pragma once

#include "core/panels/TextPanelRecord.h"
#include "ui/panels/Panel.h"

namespace rovik {

// A line of the user's text, as tall as the panel. It has no timer: it repaints only when
// something about it changes.
class TextPanel : public Panel {
    Q_OBJECT
public:
    TextPanel(PanelHost& host, const TextPanelRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;
    QString Reading() const override;

protected:
    void Paint(QPainter& painter) override;

private:
    TextPanelRecord record;
};

}  // namespace rovik
