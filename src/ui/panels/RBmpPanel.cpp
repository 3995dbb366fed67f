#include "ui/panels/RBmpPanel.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "core/app/Screen.h"
#include "ui/app/FilePath.h"

namespace rovik {

RBmpPanel::RBmpPanel(PanelHost& host, const PictureRecord& picture, bool fromFile)
    : Panel(host, picture, fromFile), record(picture) {
    bitmap.Load(FromPath(record.path));
}

void RBmpPanel::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(record));
}

QString RBmpPanel::Reading() const {
    return record.path.empty() ? Panel::Reading() : QFileInfo(FromPath(record.path)).fileName();
}

void RBmpPanel::ShowProperties() {
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Picture"), FromPath(record.path),
                                                        tr("BMP Files (*.bmp)"));
    if (chosen.isEmpty()) {
        setFocus();
        return;
    }
    if (ToPath(chosen).size() > PictureRecord::kMaxPathLength) {
        QMessageBox::warning(this, tr("Picture"),
                             tr("The path of this picture is longer than a screen file can "
                                "keep (255 characters). Move the picture to a shorter path."));
    } else {
        record.path = ToPath(chosen);
        bitmap.Load(chosen);
        update();
    }
    setFocus();
}

void RBmpPanel::Paint(QPainter& painter) {
    Panel::Paint(painter);
    bitmap.Draw(painter, rect());
}

}  // namespace rovik
