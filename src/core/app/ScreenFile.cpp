#include "core/app/ScreenFile.h"

#include "core/io/AtomicFile.h"
#include "core/io/ByteReader.h"
#include "core/io/ByteWriter.h"

namespace rovik {

namespace {
constexpr std::uint8_t kTextColorTag = 0xFD;
constexpr std::uint8_t kWallpaperTag = 0xFE;

template <typename Record>
AnyPanelRecord ReadRecord(ByteReader& reader) {
    Record record;
    record.Read(reader);
    return record;
}

// Nullopt for a kind whose record this program cannot read.
std::optional<AnyPanelRecord> ReadPanel(char kind, ByteReader& reader) {
    switch (kind) {
        case PanelKind::kBlank:
            return ReadRecord<PanelRecord>(reader);
        case PanelKind::kSimpleGauge:
            return ReadRecord<SimpleGaugeRecord>(reader);
        case PanelKind::kScanGauge:
            return ReadRecord<ScanGaugeRecord>(reader);
        case PanelKind::kOdometer:
            return ReadRecord<OdometerRecord>(reader);
        case PanelKind::kTankMinder:
            return ReadRecord<TankMinderRecord>(reader);
        case PanelKind::kTransmission:
            return ReadRecord<TransmissionRecord>(reader);
        case PanelKind::kMultibar:
            return ReadRecord<MultibarRecord>(reader);
        case PanelKind::kHistogram:
            return ReadRecord<HistogramRecord>(reader);
        case PanelKind::kClock:
            return ReadRecord<ClockRecord>(reader);
        case PanelKind::kPicture:
            return ReadRecord<PictureRecord>(reader);
        case PanelKind::kText:
            return ReadRecord<TextPanelRecord>(reader);
        case PanelKind::kTireGauge:
            return ReadRecord<TireGaugeRecord>(reader);
        case PanelKind::kMessageBox:
            return ReadRecord<MessageBoxRecord>(reader);
        default:
            return std::nullopt;
    }
}

void ReadTextColor(ByteReader& reader, Screen& screen) {
    std::uint32_t color = 0;
    if (reader.ReadU32(color)) {
        screen.panelTextColor = color;
    }
}

void ReadWallpaper(ByteReader& reader, Screen& screen) {
    std::string path;
    if (reader.ReadShortString(path)) {
        screen.wallpaperPath = path;
    }
}

// False when reading must stop before the end.
bool ReadTagged(std::uint8_t tag, ByteReader& reader, Screen& screen) {
    if (tag == kTextColorTag) {
        ReadTextColor(reader, screen);
    } else if (tag == kWallpaperTag) {
        ReadWallpaper(reader, screen);
    } else if (PanelKind::IsKind(tag)) {
        std::optional<AnyPanelRecord> panel = ReadPanel(static_cast<char>(tag), reader);
        if (!panel) {
            return false;
        }
        screen.panels.push_back(std::move(*panel));
    }
    return true;
}
}  // namespace

std::optional<Screen> ScreenFile::Read(const std::string& path) {
    std::optional<std::vector<std::uint8_t>> bytes = AtomicFile::Read(path);
    if (!bytes) {
        return std::nullopt;
    }
    return FromBytes(*bytes);
}

bool ScreenFile::Write(const std::string& path, const Screen& screen) {
    return AtomicFile::Write(path, ToBytes(screen));
}

Screen ScreenFile::FromBytes(const std::vector<std::uint8_t>& bytes) {
    ByteReader reader(bytes);
    Screen screen;
    std::uint8_t tag = 0;
    while (reader.ReadU8(tag)) {
        if (!ReadTagged(tag, reader, screen)) {
            break;
        }
    }
    return screen;
}

std::vector<std::uint8_t> ScreenFile::ToBytes(const Screen& screen) {
    ByteWriter writer;
    for (const AnyPanelRecord& panel : screen.panels) {
        std::visit([&writer](const auto& record) { record.Write(writer); }, panel);
    }
    if (!screen.wallpaperPath.empty()) {
        writer.WriteU8(kWallpaperTag);
        writer.WriteShortString(screen.wallpaperPath);
    }
    writer.WriteU8(kTextColorTag);
    writer.WriteU32(screen.panelTextColor);
    return writer.Bytes();
}

}  // namespace rovik
