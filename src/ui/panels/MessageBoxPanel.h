#pragma once

#include <QTimer>
#include <cstdint>
#include <vector>

#include "core/panels/MessageBoxRecord.h"
#include "ui/panels/Panel.h"

namespace rovik {

class TextMessage;

// Shows the active text messages one to a line, each on its own colour, the first ones in
// the list's order when there are more than lines; or only those of one parameter. It looks
// every 300 ms whether that changed, for its first few looks repainting anyway.

class MessageBoxPanel : public Panel {
    Q_OBJECT
public:
    MessageBoxPanel(PanelHost& host, const MessageBoxRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    void ShowProperties() override;
    QString Reading() const override;

protected:
    void Paint(QPainter& painter) override;

private:
    void Tick();
    float FilterValue() const;
    // The messages on show, top line first.
    std::vector<const TextMessage*> Shown() const;

    MessageBoxRecord record;
    QTimer timer;
    int countdown;
    float lastFilterValue = 0.0f;
    // The table's change count this panel last showed, so each message box sees each change.
    std::uint64_t shownChanges = 0;
};

}  // namespace rovik
