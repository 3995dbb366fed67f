#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include "core/alarms/AlarmTable.h"
#include "core/alarms/MessageTable.h"
#include "support/FakeSoundPlayer.h"
#include "ui/DialogTestSupport.h"
#include "ui/ModalCloser.h"
#include "ui/alarms/AlarmsDialog.h"
#include "ui/alarms/MessagesDialog.h"
#include "ui/alarms/QtSoundPlayer.h"
#include "ui/alarms/RecordRowDelegate.h"
#include "ui/alarms/SoundEffectDialog.h"
#include "ui/alarms/TextMessageDialog.h"
#include "ui/alarms/TriggerValueEdit.h"

using namespace rovik;
using rovik::test::AnswerNext;

namespace {
// Each row as both its halves show it.
QStringList Rows(QDialog& dialog) {
    QStringList rows;
    QListWidget& list = ListOf(dialog);
    for (int row = 0; row < list.count(); ++row) {
        rows << list.item(row)->text() + "|" +
                    list.item(row)->data(RecordRowDelegate::kRightRole).toString();
    }
    return rows;
}

// The texts of the message boxes the action opened.
QString MessagesFrom(const std::function<void()>& action) {
    test::ModalCloser closer;
    action();
    return closer.messages.join('|');
}

QString MessageFrom(QDialog& dialog, const QString& button) {
    return MessagesFrom([&] { ClickButton(dialog, button); });
}

// Types the trigger value and presses OK; the dialog's refusal, if any.
QString TriggerRefusal(QDialog& editor, const QString& trigger) {
    editor.findChild<TriggerValueEdit*>()->setText(trigger);
    return MessagesFrom([&] { ClickStandardButton(editor, QDialogButtonBox::Ok); });
}

const auto kParameters =
    TableOf({{"ROAD SPEED", 84}, {"OIL PRESSURE", 100}, {"COOLANT", 110}, {"BATTERY", 168}});
}  // namespace

TEST(AlarmsDialog, KeepsPidOrderRefusesANonNumberAndWillNotDeleteASoundingAlarm) {
    AlarmTable alarms("unused");
    Alarm battery;
    battery.pid = 168;
    battery.soundFile = "C:\\sounds\\low.wav";
    Alarm oil;
    oil.pid = 100;
    oil.soundFile = "/home/driver/oil.wav";
    alarms.Alarms() = {battery, oil};
    test::FakeSoundPlayer player;
    AlarmsDialog dialog(alarms, *kParameters, player);
    ShowActive(dialog);
    EXPECT_EQ(Rows(dialog), (QStringList{"OIL PRESSURE|oil.wav", "BATTERY|low.wav"}));

    AnswerNext<SoundEffectDialog>([](SoundEffectDialog& effect) {
        ClickEntry(ListOf(effect), "COOLANT");
        EXPECT_EQ(TriggerRefusal(effect, "hot"), "Please enter a number.");
        ClickButton(effect, "&Under");
        EXPECT_EQ(TriggerRefusal(effect, "-40.5"), "");
    });
    ClickButton(dialog, "&Add");
    EXPECT_EQ(Rows(dialog),
              (QStringList{"OIL PRESSURE|oil.wav", "COOLANT|ahooga.wav", "BATTERY|low.wav"}));
    EXPECT_EQ(SelectedEntries(ListOf(dialog)), QStringList{"COOLANT"});
    const Alarm& added = alarms.Alarms().front();
    EXPECT_EQ(added.pid, 110);
    EXPECT_EQ(added.triggerValue, -40.5f);
    EXPECT_EQ(added.direction, Alarm::kUnder);

    alarms.Pass([](unsigned pid) { return std::optional<float>(pid == 168 ? 80.0f : 0.0f); },
                player);
    ClickEntry(ListOf(dialog), "BATTERY");
    EXPECT_EQ(MessageFrom(dialog, "&Delete"), "Cannot delete an alarm that is sounding.");
    EXPECT_EQ(alarms.Alarms().size(), 3u);
    alarms.Pass([](unsigned) { return std::optional<float>(0.0f); }, player);
    EXPECT_EQ(MessageFrom(dialog, "&Delete"), "");
    EXPECT_EQ(Rows(dialog), (QStringList{"OIL PRESSURE|oil.wav", "COOLANT|ahooga.wav"}));
    EXPECT_EQ(alarms.Alarms().size(), 2u);
}

TEST(MessagesDialog, KeepsTheTextsInByteOrderThroughAnEdit) {
    MessageTable messages("unused");
    TextMessage low;
    low.text = "alpha";
    low.pid = 100;
    TextMessage high;
    high.text = "Zeta";
    messages.Messages() = {low, high};
    MessagesDialog dialog(messages, *kParameters);
    ShowActive(dialog);
    EXPECT_EQ(Rows(dialog), (QStringList{"85|Zeta", "OIL PRESSURE|alpha"}));

    ClickEntry(ListOf(dialog), "85");
    AnswerNext<TextMessageDialog>([](TextMessageDialog& editor) {
        ClickEntry(ListOf(editor), "BATTERY");
        ClickButton(editor, "Bit &Zero");
        ControlNamed<QLineEdit>(editor, "Message Text").setText("beta");
        EXPECT_EQ(TriggerRefusal(editor, "4"), "");
    });
    ClickButton(dialog, "&Edit");
    EXPECT_EQ(Rows(dialog), (QStringList{"OIL PRESSURE|alpha", "BATTERY|beta"}));
    EXPECT_EQ(messages.Messages().back().triggerType, TextMessage::kBitZero);
}

TEST(QtSoundPlayer, RefusesAtOnceWhatIsNoWaveFileOfAnAlarmsSizeAndNeverBlocks) {
    QTemporaryDir folder;
    QFile text(folder.filePath("text.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("RIFF is not enough") > 0);
    QFile huge(folder.filePath("huge.wav"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.write("RIFF\0\0\0\0WAVE", 12) == 12 &&
                huge.resize(64 << 20));
    EXPECT_TRUE(QtSoundPlayer::IsPlayableWave(ROVIK_SUPPLIED_DIR "/ahooga.wav"));
    QtSoundPlayer player;
    for (const char* name : {"missing.wav", "text.wav", "huge.wav"}) {
        EXPECT_FALSE(QtSoundPlayer::IsPlayableWave(folder.filePath(name)));
        EXPECT_FALSE(player.Start(folder.filePath(name).toStdString()));
        EXPECT_FALSE(player.IsPlaying());
    }
    // With or without a sound output, the horn ends and nothing waits for it.
    player.Start(ROVIK_SUPPLIED_DIR "/ahooga.wav");
    EXPECT_TRUE(QTest::qWaitFor([&player] { return !player.IsPlaying(); }, 5000));
}
