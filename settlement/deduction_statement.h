#pragma once
// The deduction statement: every quantity is charged from its own date to the end of the
// period, returns (stored negative) deducting the days after them; one section per material.

struct StatementBuilder;

// Clears the grid, writes the heading and the four material sections.
void BuildDeductionStatement(StatementBuilder* b);
// Writes the title row and the two header rows; the last row written is then row 2.
void BuildDeductionStatementHeader(StatementBuilder* b);
// The sections, each below the previous one, each adding its rent; a material without rows
// writes nothing.
void AppendDeductionSectionPipe(StatementBuilder* b);
void AppendDeductionSectionFastener(StatementBuilder* b);
void AppendDeductionSectionJackBase(StatementBuilder* b);
void AppendDeductionSectionIBeam(StatementBuilder* b);
