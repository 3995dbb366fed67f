#include <gtest/gtest.h>

#include "LinkDialogSupport.h"
#include "ui/ModalCloser.h"
#include "ui/link/IpSettingsDialog.h"

using namespace rovik;

TEST(IpSettingsDialog, TakesAnAddressAndAPortFromZeroTo65535AndStaysOpenOtherwise) {
    const QString range = "Please enter an integer between 0 and 65535.";
    const std::tuple<QString, QString, QString> entries[] = {
        {" box.local ", "0", ""},
        {"10.0.0.2", "65535", ""},
        {"10.0.0.2", "65536", range},
        {"10.0.0.2", "-1", range},
        {"10.0.0.2", "port", range},
        {"10.0.0.2", "", range},
        {"  ", "51966", "Please enter the box's IP address."},
    };
    for (const auto& [address, port, refusal] : entries) {
        IpSettingsDialog dialog("169.254.1.1", 51966);
        dialog.show();
        test::Labelled(dialog, "IP Address").setText(address);
        test::Labelled(dialog, "IP Port").setText(port);
        test::ModalCloser closer;
        dialog.accept();
        EXPECT_EQ(closer.messages.join(""), refusal) << port.toStdString();
        EXPECT_EQ(dialog.isVisible(), !refusal.isEmpty());
        if (refusal.isEmpty()) {
            EXPECT_EQ(dialog.Address(), address.trimmed().toStdString());
            EXPECT_EQ(dialog.Port(), port.toUInt());
        }
    }
}
