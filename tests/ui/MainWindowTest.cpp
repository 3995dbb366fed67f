#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "core/app/CommandLine.h"
#include "ui/app/CMainFrame.h"

using namespace rovik;

namespace {
// Closes whatever message box start-up shows and remembers its text.
QString CloseNextMessageBox() {
    QString text;
    for (int i = 0; i < 50 && text.isEmpty(); ++i) {
        QApplication::processEvents();
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    }
    return text;
}
}  // namespace

TEST(MainWindow, StartsTicksAndShutsDownCleanly) {
    int argc = 1;
    char name[] = "rovik";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());

    std::string block = "/RovikUiTest-" + std::to_string(::getpid());
    CMainFrame frame(block);
    frame.show();
    QString message;
    QTimer::singleShot(0, [&] { message = CloseNextMessageBox(); });
    frame.Main().Start(CommandLine("rovik demo=missing.rvk"));
    EXPECT_EQ(message, "Failed to Open PARAMTRS.DAT");
    EXPECT_EQ(frame.windowTitle(), "Rovik");
    EXPECT_TRUE(frame.Main().MainTimer().isActive());
    EXPECT_EQ(frame.Main().MainTimer().interval(), 100);
    Dashboard& state = frame.Main().State();
    ASSERT_NE(state.Link(), nullptr);
    EXPECT_EQ(state.Parameters().Size(), 1u);
    EXPECT_EQ(state.Link()->GetPortName(), "missing.rvk");
    EXPECT_TRUE(state.Threads()->IsRunning());

    frame.close();
    EXPECT_FALSE(frame.Main().MainTimer().isActive());
    EXPECT_EQ(state.Link(), nullptr);
    EXPECT_EQ(state.Parameters().Size(), 0u);
    QDir::setCurrent(previous);
}
