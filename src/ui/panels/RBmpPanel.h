#pragma once

#include "core/panels/PictureRecord.h"
#include "ui/app/CDib.h"
#include "ui/panels/Panel.h"

namespace rovik {

// A BMP picture stretched over the whole panel. The file is read once, when the panel is
// made or the picture chosen; a file that cannot be shown leaves the panel its colour, with
// no message. A new picture panel asks for its file at once, and a right-click asks again.
class RBmpPanel : public Panel {
    Q_OBJECT
public:
    RBmpPanel(PanelHost& host, const PictureRecord& record, bool fromFile);

    void WriteRecord(Screen& screen) const override;
    // The picture file dialog; a path longer than the screen file can keep is refused.
    void ShowProperties() override;
    // The picture's file name.
    QString Reading() const override;

protected:
    void Paint(QPainter& painter) override;

private:
    PictureRecord record;
    CDib bitmap;
};

}  // namespace rovik
