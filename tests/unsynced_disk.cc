// Linked into every test program: the tests write many small tables, and a real sync per commit
// would make the suite wait on the disk for minutes. Where the syncs are made, and that they are
// enough, is what the power-cut tests check (tests/common/power_cut_env.h).
#include "common/env.h"

namespace {
const bool kSyncsSkipped = (SkipSyncsForTests(true), true);
}  // namespace
