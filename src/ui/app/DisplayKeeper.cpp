#include "ui/app/DisplayKeeper.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

namespace rovik {

namespace {
QDBusInterface ScreenSaver() {
    return QDBusInterface("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                          "org.freedesktop.ScreenSaver", QDBusConnection::sessionBus());
}
}  // namespace

void DisplayKeeper::KeepAwake() {
    if (inhibited || !QDBusConnection::sessionBus().isConnected()) {
        return;
    }
    QDBusReply<std::uint32_t> reply =
        ScreenSaver().call("Inhibit", "Rovik", "Showing live vehicle values");
    if (reply.isValid()) {
        cookie = reply.value();
        inhibited = true;
    }
}

DisplayKeeper::~DisplayKeeper() {
    if (inhibited) {
        ScreenSaver().call("UnInhibit", cookie);
    }
}

}  // namespace rovik
