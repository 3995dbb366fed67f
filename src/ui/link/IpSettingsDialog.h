#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

class QLineEdit;

namespace rovik {

// "IP Settings": the Wi-Fi box's address and TCP port. OK refuses a port outside 0 to 65535
// and an empty address, and the dialog stays open to correct them.
class IpSettingsDialog : public QDialog {
    Q_OBJECT
public:
    IpSettingsDialog(const std::string& address, std::uint16_t port, QWidget* parent = nullptr);

    std::string Address() const;
    std::uint16_t Port() const;

    void accept() override;

private:
    QLineEdit* addressField;
    QLineEdit* portField;
};

}  // namespace rovik
