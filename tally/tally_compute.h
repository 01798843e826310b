#pragma once
// The tally computation: metres per length class, total metres, the metres of 6 m pipe and of
// odd lengths, tonnes of pipe and fasteners and the handling fee, written into the grid's
// computed cells, the five result labels, LastTotalMetres and LastFastenerCount.

// Recomputes the sheet of whichever layout is selected (nothing when neither is).
void RecomputeTally();
// The 28-row layout: left group rows 1-27, right group rows 1-26, fasteners in (27, 4).
void ComputeDoubleLayoutTotals();
// The 55-row layout: rows 1-53, fasteners in (54, 1), today's date in (54, 2).
void ComputeSingleLayoutTotals();
