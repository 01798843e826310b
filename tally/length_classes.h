#pragma once
// The pipe length classes of the tally grid: from 0.8 m in steps of 0.1 m, each class's length
// reached by adding the step to the one before (so the grid shows and multiplies by exactly
// these sums). The double layout's right group starts again at 3.5 m.
inline constexpr double kFirstLength = 0.8;
inline constexpr double kLengthStep = 0.1;
inline constexpr double kRightGroupFirstLength = 3.5;
