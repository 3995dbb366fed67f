#include "vxbsim/Dm1Builder.h"

#include <algorithm>

#include "vxbsim/TransportSender.h"

namespace vxbsim {

namespace {
constexpr std::uint8_t kAmberLampOn = 0x04;
constexpr std::uint8_t kNoFlash = 0xFF;

void AppendCode(std::vector<std::uint8_t>& payload, const J1939Fault& fault) {
    payload.push_back(static_cast<std::uint8_t>(fault.spn));
    payload.push_back(static_cast<std::uint8_t>(fault.spn >> 8));
    payload.push_back(
        static_cast<std::uint8_t>(((fault.spn >> 16) & 0x07) << 5 | (fault.fmi & 0x1F)));
    payload.push_back(fault.occurrences & 0x7F);
}
}  // namespace

std::vector<std::uint8_t> Dm1Builder::Payload(const std::vector<J1939Fault>& faults) {
    std::vector<std::uint8_t> payload = {faults.empty() ? std::uint8_t{0} : kAmberLampOn, kNoFlash};
    if (faults.empty()) {
        payload.insert(payload.end(), 4, 0);
    }
    for (const J1939Fault& fault : faults) {
        AppendCode(payload, fault);
    }
    return payload;
}

std::vector<J1939Frame> Dm1Builder::Frames(std::uint8_t source,
                                           const std::vector<J1939Fault>& faults) {
    std::vector<std::uint8_t> payload = Payload(faults);
    if (faults.size() > 1) {
        return TransportSender::Broadcast(source, kPgn, payload);
    }
    J1939Frame frame{.source = source, .pgn = kPgn};
    std::copy(payload.begin(), payload.end(), frame.data.begin());
    return {frame};
}

}  // namespace vxbsim
