#pragma once
// The dockets of a settlement run, read from the current table once for the balances before
// the period and every section of the statement.
#include <string>
#include <vector>

#include "settlement/statement_state.h"

// The current table's dockets dated before the period's first day or in the period, in
// record order.
std::vector<RunDocket> ReadRunDockets(const SettlementPeriod& period);
// Quantity m of the docket as text: ToText of the field as stored.
std::string QuantityText(const RunDocket& d, int m);
