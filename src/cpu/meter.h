#pragma once

#include <array>
#include <cstdint>

#include "ui/picture_box.h"

namespace slumbrix::mdMisc {

inline constexpr std::size_t kHistoryLength = 100;
// The last 100 samples, oldest at index 0, newest at 99; all 0 at start.
using UsageHistory = std::array<std::int32_t, kHistoryLength>;

inline constexpr Color kLit = Color::fromRgb(0xC00000);
inline constexpr Color kUnlit = Color::fromRgb(0x808080);

// Moves every sample one place toward the oldest; index 99 keeps its value.
void ShiftHistory(UsageHistory& history);

// Repaints the eleven bar segments in pixels (segment i stands for 100 - 10 i percent and is
// lit when usage reaches it and is not 0), appends the sample to the history, and redraws the
// graph of the last 100 samples in the graph's 100 x 100 user scale.
void DrawCPUUsage(std::int32_t usage, PictureBox& barBox, PictureBox& graphBox,
                  UsageHistory& history);

}  // namespace slumbrix::mdMisc
