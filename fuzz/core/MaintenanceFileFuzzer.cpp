// Reads any bytes as maintenance.rvk, writes the schedule it read and reads that again.
// Writing the second reading must give the same file, or a schedule saved and opened again
// would not be the one the user had.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/maint/MaintenanceFile.h"
#include "core/maint/MaintenanceFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rovik;
    const Moment now = LocalDate::ToMoment({2024, 3, 1, 9, 30}).value();
    const double distance = 123456.7;
    const std::vector<std::uint8_t> input(data, data + size);
    const std::optional<MaintenanceSchedule> first =
        MaintenanceFileReader(input, now, distance).Read();
    if (!first) {
        return 0;
    }
    const std::vector<std::uint8_t> written = MaintenanceFile::ToBytes(*first);
    const std::optional<MaintenanceSchedule> second =
        MaintenanceFileReader(written, now, distance).Read();
    if (!second || second->items.size() != first->items.size() ||
        second->history.size() != first->history.size() ||
        MaintenanceFile::ToBytes(*second) != written) {
        std::abort();
    }
    return 0;
}
