#pragma once
// The cumulative statement: each row charges the quantity on rent after its own movement
// from its date to the day before the next row's date (the last row to the end of the
// period); one section per material.

struct StatementBuilder;

// Writes the title row and the header row; the last row written is then row 1.
void BuildCumulativeStatementHeader(StatementBuilder* b);
// The sections, each below the previous one, each adding its rent; a material without rows
// writes nothing.
void AppendCumulativeSectionPipe(StatementBuilder* b);
void AppendCumulativeSectionFastener(StatementBuilder* b);
void AppendCumulativeSectionJackBase(StatementBuilder* b);
void AppendCumulativeSectionIBeam(StatementBuilder* b);
