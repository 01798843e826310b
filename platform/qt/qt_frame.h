#pragma once
// The window frame: declared window sizes are outer sizes, as on the desktop the windows were
// laid out for; the frame there is this wide and tall (borders and caption bar).

namespace qtp {

inline constexpr int kFrameWidth = 16;   // left and right borders together
inline constexpr int kFrameHeight = 39;  // caption bar and the top and bottom borders

}  // namespace qtp
