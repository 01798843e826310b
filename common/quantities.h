#pragma once
// The numbers every comparison of quantities and amounts shares.

// The four rented materials, always in this order: pipe, fastener, jack base, I-beam.
inline constexpr int kMaterialCount = 4;
// Quantities and amounts compare with this tolerance: a value counts as present when it
// exceeds it, two values are equal when they differ by at most it.
inline constexpr double kTolerance = 1e-7;
