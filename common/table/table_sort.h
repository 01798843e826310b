#pragma once
// Writing a table's records, sorted on key fields, into a new table file.
#include <string>
#include <vector>

#include "common/table/table_file.h"
#include "common/table/table_status.h"

namespace table_internal {

// Sorts every record of src (deleted ones included, numbered -i) into the table file target
// (and its companion when src has byte-set fields). key_names are GBK; ascending has one flag
// per key (missing flags = ascending). src and its position are left as they were. The
// companion is replaced before the table file, each in one step; the pair as a whole is not
// replaced in one step, so a cut between the two leaves the new companion under the old
// table. The programs sort only tables without byte-set fields (the dockets) into scratch
// copies, where neither half outlives the run.
TableStatus SortToFile(TableFile& src, const std::string& target,
                       const std::vector<std::string>& key_names,
                       const std::vector<bool>& ascending, Durability durability);

}  // namespace table_internal
