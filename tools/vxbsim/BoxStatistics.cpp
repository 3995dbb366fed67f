#include "vxbsim/BoxStatistics.h"

namespace vxbsim {

void BoxStatistics::CountJ1708(std::size_t bytes) {
    ++j1708Packets;
    j1708Bytes += static_cast<std::uint32_t>(bytes);
}

}  // namespace vxbsim
