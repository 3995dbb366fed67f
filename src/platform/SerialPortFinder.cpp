#include "platform/SerialPortFinder.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace rovik {

namespace fs = std::filesystem;

namespace {
// The first line of a device attribute; none when it cannot be read.
std::optional<std::string> ReadAttribute(const fs::path& path) {
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line)) {
        return std::nullopt;
    }
    return line;
}

// A built-in port is listed whether or not a UART answers at its address; the kernel gives
// those without one the type 0. None when the type cannot be read.
std::optional<bool> IsPlaceholder(const fs::path& ttyDir) {
    std::error_code error;
    if (!fs::exists(ttyDir / "type", error)) {
        return false;
    }
    std::optional<std::string> type = ReadAttribute(ttyDir / "type");
    if (!type) {
        return std::nullopt;
    }
    return *type == "0";
}

// The path with its links resolved, as the device paths found under it will be.
std::string Resolved(const std::string& path) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

bool InSessionGroup(gid_t group) {
    if (::getegid() == group) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(0, ::getgroups(0, nullptr))));
    int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(0, count), group) !=
           groups.begin() + std::max(0, count);
}

std::string GroupName(gid_t id) {
    std::vector<char> buffer(4096);
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(id, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) {
        return std::to_string(id);
    }
    return found->gr_name;
}
}  // namespace

SerialPortFinder::SerialPortFinder(const std::string& sys, std::string dev)
    : sysRoot(Resolved(sys)), devRoot(std::move(dev)) {}

std::vector<SerialDevice> SerialPortFinder::Find() const {
    std::vector<SerialDevice> found;
    const std::map<std::string, std::string> stable = StableNames();
    std::error_code error;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(fs::path(sysRoot) / "class" / "tty", error)) {
        if (std::optional<SerialDevice> device = Describe(entry.path().string(), stable)) {
            found.push_back(*device);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const SerialDevice& a, const SerialDevice& b) { return a.path < b.path; });
    return found;
}

std::optional<SerialDevice> SerialPortFinder::Describe(
    const std::string& ttyDir, const std::map<std::string, std::string>& stable) const {
    std::error_code error;
    // Virtual consoles and pseudo-terminals have no device behind them.
    const fs::path device = fs::canonical(fs::path(ttyDir) / "device", error);
    if (error || IsPlaceholder(ttyDir).value_or(true)) {
        return std::nullopt;
    }
    const std::string name = fs::path(ttyDir).filename().string();
    SerialDevice found = Check((fs::path(devRoot) / name).string());
    found.driver = DriverOf(device.string());
    ReadUsbNames(device.string(), found);
    if (auto link = stable.find(name); link != stable.end()) {
        found.stableName = link->second;
    }
    return found;
}

SerialDevice SerialPortFinder::Check(const std::string& path) {
    SerialDevice device;
    device.path = path;
    struct stat status {};
    device.exists = ::stat(path.c_str(), &status) == 0;
    if (device.exists) {
        device.mayOpen = ::access(path.c_str(), R_OK | W_OK) == 0;
        device.group = GroupName(status.st_gid);
        device.inGroup = InSessionGroup(status.st_gid);
    }
    return device;
}

std::map<std::string, std::string> SerialPortFinder::StableNames() const {
    std::map<std::string, std::string> names;
    std::error_code error;
    for (const fs::directory_entry& link :
         fs::directory_iterator(fs::path(devRoot) / "serial" / "by-id", error)) {
        std::error_code broken;
        fs::path target = fs::canonical(link.path(), broken);
        if (!broken) {
            names[target.filename().string()] = link.path().string();
        }
    }
    return names;
}

// The driver of the device or of the first parent that has one of its own: newer kernels put
// a generic port device of the serial core between a built-in port and its driver.
std::string SerialPortFinder::DriverOf(const std::string& device) const {
    std::error_code error;
    for (fs::path at = device; at.has_relative_path() && at.string().starts_with(sysRoot);
         at = at.parent_path()) {
        fs::path driver = fs::canonical(at / "driver", error);
        if (!error && driver.parent_path().parent_path().filename() != "serial-base") {
            return driver.filename().string();
        }
    }
    return {};
}

// A USB port's names sit with the USB device a few levels above the tty's device.
void SerialPortFinder::ReadUsbNames(const std::string& device, SerialDevice& found) const {
    std::error_code error;
    for (fs::path at = device; at.has_relative_path() && at.string().starts_with(sysRoot);
         at = at.parent_path()) {
        if (fs::exists(at / "idVendor", error)) {
            found.vendor = ReadAttribute(at / "manufacturer").value_or("");
            found.product = ReadAttribute(at / "product").value_or("");
            found.usbId = ReadAttribute(at / "idVendor").value_or("") + ":" +
                          ReadAttribute(at / "idProduct").value_or("");
            return;
        }
    }
}

}  // namespace rovik
