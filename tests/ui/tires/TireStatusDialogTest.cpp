#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

#include "core/tires/TireMonitor.h"
#include "support/MessageBytes.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/tires/TireStatusDialog.h"

using namespace rovik;
using namespace rovik::test;

namespace {
// The dialog's receiver, which has reported sensor 0, with the wheel layout in a folder of
// its own; the commands are kept, and refused once accepted is false.
struct TireStatusDialogTest : ::testing::Test, PacketSender {
    TireStatusDialogTest() {
        tires.SetSender(this);
        const Bytes report = WithChecksum({166, 254, 12, 1, 0, 1, 2, 3, 167, 0, 0, 1, 7, 95, 255});
        tires.Decode({report.data(), report.size()}, 0);
    }
    bool SendPacket(const std::uint8_t* bytes, std::size_t count) override {
        sent.emplace_back(bytes, bytes + count);
        return accepted;
    }
    std::string Path() const { return folder.filePath("TIRES.DAT").toStdString(); }
    QByteArray Kept() const {
        QFile file(folder.filePath("TIRES.DAT"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "(none)";
    }

    QTemporaryDir folder;
    TireMonitor tires;
    std::vector<Bytes> sent;
    bool accepted = true;
    ModalCloser closer;
};
}  // namespace

TEST_F(TireStatusDialogTest, LearnAndClearActOnTheSelectedSensorAndSayWhatTheyDid) {
    TireStatusDialog dialog(tires, Path());
    EXPECT_EQ(sent, (std::vector<Bytes>{{182, 128, 254, 166}})) << "the opening query";
    EXPECT_EQ(Entries(dialog).at(0), QString(66, '.'));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Entries(dialog).at(0).startsWith(" 0  OK "); }));
    dialog.Learn();
    dialog.Clear();
    ListOf(dialog).setCurrentRow(3);
    dialog.Learn();
    EXPECT_FALSE(ButtonNamed(dialog, "&Learn").isEnabled());
    ButtonNamed(dialog, "&Abort Learning").click();
    dialog.Clear();
    accepted = false;
    dialog.Learn();
    EXPECT_EQ(closer.messages,
              QStringList({"Select a tire position to learn", "Select a tire position to clear",
                           "Listening for sensor #3", "Clearing sensor #3",
                           "The tire receiver cannot be reached: the box is not connected."}));
    EXPECT_EQ(sent.at(3), (Bytes{182, 254, 166, 1, 3, 0, 0, 0, 255, 255, 255, 0, 255, 255, 0}));
}

// Each wheel layout as TIRES.DAT holds it, a byte a position, 'X' where no sensor is.
TEST_F(TireStatusDialogTest, OkKeepsTheGridInTheLayoutFileAndOtherClosesKeepNothing) {
    const std::pair<const char*, QByteArray> layouts[] = {
        {"&6 Wheel", QByteArray("\0XX\1\2\3\4\5XXXXXXXXXXXX", 20)},
        {"&8 Wheel", QByteArray("\0XX\1\2\3\4\5\7XX\10XXXXXXXX", 20)},
        {"6+&4 Wheels", QByteArray("\0XX\1\2\3\4\5X\6\7XX\10\11XXXXX", 20)},
        {"8+4 &Wheels", QByteArray("\0XX\1\2\3\4\5\7XX\10X\11\12XX\13\14X", 20)}};
    for (const auto& [button, bytes] : layouts) {
        TireStatusDialog dialog(tires, Path());
        ButtonNamed(dialog, button).click();
        dialog.accept();
        EXPECT_EQ(Kept(), bytes) << button;
    }
    TireStatusDialog edited(tires, Path());
    auto* grid = edited.findChild<QTableWidget*>();
    EXPECT_EQ(grid->item(5, 3)->text(), "12") << "the grid opens on the file";
    for (const auto& [column, text] : {std::pair{1, "0"}, {2, "16"}, {3, "x"}, {4, ""}}) {
        grid->item(1, column)->setText(text);
    }
    edited.reject();
    EXPECT_TRUE(Kept().startsWith(QByteArray("\0XX\1", 4))) << "a cancelled dialog writes nothing";
    edited.accept();
    EXPECT_TRUE(Kept().startsWith(QByteArray("\0XXX\2", 5)));
    ASSERT_TRUE(folder.remove());
    edited.accept();
    EXPECT_EQ(closer.messages, QStringList("Error Writing Tire Layout File"));
}
