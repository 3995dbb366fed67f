#include "core/app/ScreenFile.h"
#include "ui/StartedDashboard.h"
#include "ui/TextCapture.h"
#include "ui/panels/MessageBoxPanel.h"

using namespace rovik;
using namespace rovik::test;

namespace {
TextMessage Message(const char* text, std::uint16_t pid, ColorRef color, float over = 50.0f) {
    TextMessage message;
    message.text = text;
    message.pid = pid;
    message.triggerType = TextMessage::kOver;
    message.triggerValue = over;
    message.color = color;
    return message;
}

struct MessageBoxPanelTest : StartedDashboard {
    void StartWith(const std::vector<TextMessage>& messages, std::vector<AnyPanelRecord> boxes) {
        MessageTable table;
        table.Messages().assign(messages.begin(), messages.end());
        ASSERT_TRUE(table.Save());
        ASSERT_TRUE(ScreenFile::Write("DEFAULT.SCR", {std::move(boxes), "", kBlack}));
        Start();
        closer.reset();
        // Every message over 50 holds, on every parameter.
        Main().State().Messages().Pass([](unsigned) { return std::optional<float>(60.0f); });
    }
    // The texts painted, and the colour at the left end of each line, inside the frame a
    // selected panel shows.
    static QStringList Painted(QWidget& panel, int lines) {
        QStringList painted = TextCapture::WrittenBy(panel);
        const QImage image = panel.grab().toImage();
        for (int line = 0; line < lines; ++line) {
            painted << image.pixelColor(6, panel.height() / lines * line + 6).name();
        }
        return painted;
    }
};
}  // namespace

TEST_F(MessageBoxPanelTest, ShowsTheFirstActiveMessagesInListOrderOnTheirColours) {
    MessageBoxRecord two, filtered;
    two.rect = {0, 0, 320, 96};
    two.messageLines = 2;
    filtered.rect = {0, 104, 320, 200};
    filtered.messageLines = 3;
    filtered.filterPid = 110;
    filtered.limitToFilter = true;
    StartWith({Message("Overspeed", 84, Rgb(255, 0, 0)), Message("Quiet", 84, kWhite, 99),
               Message("Cruise", 85, Rgb(0, 0, 255)), Message("Hot", 110, Rgb(255, 255, 0))},
              {two, filtered});
    EXPECT_EQ(Painted(PanelAt(0), 2), (QStringList{"Overspeed", "Cruise", "#ff0000", "#0000ff"}));
    EXPECT_EQ(PanelAt(0).accessibleName(), "Overspeed; Cruise");
    // Only the messages of the filter's parameter; the lines left show the background.
    const QString background = QColor(Qt::white).name();
    EXPECT_EQ(Painted(PanelAt(1), 3), (QStringList{"Hot", "#ffff00", background, background}));
    KeepOnFailure(frame.grab().toImage(), "message-boxes.png");
}
