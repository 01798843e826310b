#pragma once
// The deduction statement: every quantity is charged from its own date to the end of the
// period, returns (stored negative) deducting the days after them; one section per material.

// Clears the grid, writes the heading and the four material sections.
void BuildDeductionStatement();
// Writes the title row and the two header rows; the last row written is then row 2.
void BuildDeductionStatementHeader();
// The sections, each below the previous one; a material without rows writes nothing.
void AppendDeductionSectionPipe();
void AppendDeductionSectionFastener();
void AppendDeductionSectionJackBase();
void AppendDeductionSectionIBeam();
