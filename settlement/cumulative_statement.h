#pragma once
// The cumulative statement: each row charges the quantity on rent after its own movement
// from its date to the day before the next row's date (the last row to the end of the
// period); one section per material.

// Writes the title row and the header row; the last row written is then row 1.
void BuildCumulativeStatementHeader();
// The sections, each below the previous one; a material without rows writes nothing.
void AppendCumulativeSectionPipe();
void AppendCumulativeSectionFastener();
void AppendCumulativeSectionJackBase();
void AppendCumulativeSectionIBeam();
