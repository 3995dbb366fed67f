#include <gtest/gtest.h>

#include <QLineEdit>

#include "LinkDialogSupport.h"
#include "ui/ModalCloser.h"
#include "ui/link/IpSettingsDialog.h"

using namespace rovik;

namespace {
struct Entry {
    const char* address;
    const char* port;
    // The message that refuses it; none when it is taken.
    const char* refusal;
};
}  // namespace

TEST(IpSettingsDialog, TakesAnAddressAndAPortFromZeroTo65535AndStaysOpenOtherwise) {
    const Entry entries[] = {
        {"169.254.1.1", "51966", nullptr},
        {" box.local ", "0", nullptr},
        {"10.0.0.2", "65535", nullptr},
        {"10.0.0.2", "65536", "Please enter an integer between 0 and 65535."},
        {"10.0.0.2", "-1", "Please enter an integer between 0 and 65535."},
        {"10.0.0.2", "port", "Please enter an integer between 0 and 65535."},
        {"10.0.0.2", "", "Please enter an integer between 0 and 65535."},
        {"  ", "51966", "Please enter the box's IP address."},
    };
    for (const Entry& entry : entries) {
        IpSettingsDialog dialog("169.254.1.1", 51966);
        dialog.show();
        test::Labelled<QLineEdit>(dialog, "IP Address").setText(entry.address);
        test::Labelled<QLineEdit>(dialog, "IP Port").setText(entry.port);
        test::ModalCloser closer;
        dialog.accept();
        const QStringList refusals = entry.refusal ? QStringList{entry.refusal} : QStringList{};
        EXPECT_EQ(closer.messages, refusals) << entry.address << " " << entry.port;
        EXPECT_EQ(dialog.isVisible(), entry.refusal != nullptr);
        if (!entry.refusal) {
            EXPECT_EQ(dialog.Address(), QString(entry.address).trimmed().toStdString());
            EXPECT_EQ(dialog.Port(), QString(entry.port).toUInt());
        }
    }
}
