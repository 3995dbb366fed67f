#pragma once

namespace rovik {

// The largest vehicle totals believed: far beyond what any vehicle reaches in its life (a
// heavy truck's engine is rebuilt long before two million miles), yet below the readings a
// J1939 controller sends to mean an error or "not available" in those fields.
inline constexpr float kMostMiles = 10000000.0f;
inline constexpr float kMostEngineHours = 1000000.0f;
inline constexpr float kMostGallons = 10000000.0f;

}  // namespace rovik
