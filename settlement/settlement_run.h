#pragma once
// The parts of a settlement run: the balances before the period and the rows every statement
// ends with.

struct StatementBuilder;

// Sums each material's signed quantities over the run's dockets dated before the start day
// into the builder's BalancesBeforePeriod.
void ComputeBalancesBeforePeriod(StatementBuilder* b);
// Centres the statement body, completes the title row and appends the rent subtotal, the
// checked charges, the amount due, the capitals and the footer; the grid then ends there.
void CompleteStatement(StatementBuilder* b);
