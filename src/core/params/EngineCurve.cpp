#include "core/params/EngineCurve.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace rovik {

namespace {
constexpr std::uint16_t kFirstSpeed = 1200;
constexpr std::uint16_t kSpeedStep = 100;

std::optional<std::size_t> ReadUpTo(int fd, std::uint8_t* bytes, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        ssize_t got = ::read(fd, bytes + done, count - done);
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

// Up to count bytes from the start of a regular file; none from anything else, which might
// never answer (a pipe) or hold no curve (a folder).
std::optional<std::size_t> ReadStart(const std::string& path, std::uint8_t* bytes,
                                     std::size_t count) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat status {};
    std::optional<std::size_t> done;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        done = ReadUpTo(fd, bytes, count);
    }
    ::close(fd);
    return done;
}
}  // namespace

EngineCurve::EngineCurve() {
    for (std::size_t point = 0; point < kPoints; ++point) {
        words[point] = static_cast<std::uint16_t>(kFirstSpeed + point * kSpeedStep);
    }
}

bool EngineCurve::Load(const std::string& path) {
    std::uint8_t bytes[kFileSize];
    std::optional<std::size_t> count = ReadStart(path, bytes, sizeof bytes);
    if (!count) {
        return false;
    }
    Overwrite(bytes, *count);
    return true;
}

void EngineCurve::Overwrite(const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count && i < kFileSize; ++i) {
        std::uint16_t& word = words[i / 2];
        word = i % 2 == 0 ? static_cast<std::uint16_t>((word & 0xFF00) | bytes[i])
                          : static_cast<std::uint16_t>((word & 0x00FF) | bytes[i] << 8);
    }
}

std::uint16_t EngineCurve::At(Column column, std::size_t point) const {
    std::size_t first = column == Column::Torque ? kPoints : 2 * kPoints;
    return words[first + point];
}

double EngineCurve::CurveValue(Column column, double rpm) const {
    if (!(rpm >= Speed(0)) || rpm >= Speed(kPoints - 1)) {
        return 0.0;
    }
    std::size_t i = 1;
    while (Speed(i) < rpm) {
        ++i;
    }
    double low = At(column, i - 1);
    double span = static_cast<double>(Speed(i)) - Speed(i - 1);
    // Equal neighbouring speeds leave no span to interpolate over: the point's own value.
    if (span <= 0.0) {
        return low;
    }
    return low + (rpm - Speed(i - 1)) * (At(column, i) - low) / span;
}

}  // namespace rovik
