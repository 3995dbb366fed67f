#include "ui/panels/HistogramPanel.h"

#include <QImage>
#include <QPainter>

#include "core/app/Screen.h"
#include "core/panels/EntryColors.h"
#include "ui/panels/HistogramDialog.h"
#include "ui/panels/PanelHost.h"

namespace rovik {

namespace {
constexpr int kRefreshMs = 1000;

QImage ToQImage(const HistogramImage& image) {
    constexpr int kSide = HistogramImage::kSide;
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const ColorRef color = image.At(x, y);
            picture.setPixel(x, y, qRgb(RedOf(color), GreenOf(color), BlueOf(color)));
        }
    }
    return picture;
}
}  // namespace

HistogramPanel::HistogramPanel(PanelHost& host, const HistogramRecord& histogram, bool fromFile)
    : ParameterListPanel(host, histogram, fromFile),
      record(histogram),
      image(histogram.background) {
    timer.setInterval(kRefreshMs);
    connect(&timer, &QTimer::timeout, this, &HistogramPanel::Tick);
    timer.start();
}

void HistogramPanel::WriteRecord(Screen& screen) const {
    screen.panels.emplace_back(WithCommonFields(record));
}

void HistogramPanel::Tick() {
    if (!image.Tick(record.updateRate)) {
        return;
    }
    image.Scroll(CommonRecord().background);
    const std::vector<const Parameter*> entries = Entries(record.pids);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (std::optional<int> row = HistogramImage::RowFor(*entries[i], ValueOf(*entries[i]))) {
            image.Plot(*row, EntryColors::Dark(i));
        }
    }
    update();
}

void HistogramPanel::ShowProperties() {
    HistogramDialog dialog(host.Parameters(), WithCommonFields(record), this);
    if (dialog.exec() == QDialog::Accepted) {
        // The columns drawn so far keep their colours; new ones take the new background.
        record = dialog.Result();
        SetBackground(record.background);
    }
    setFocus();
}

void HistogramPanel::Paint(QPainter& painter) {
    painter.drawImage(rect(), ToQImage(image));
}

}  // namespace rovik
