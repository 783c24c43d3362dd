#pragma once
// Functions in this file: the neutral measurement set-up, every instrument, channel and measurement
// setting of a record "not given", as the summary record of a table and the
// empty record of the table's Add command carry it.

#include "MeasSetup.h"

// Channel 1 active with the role nRole, channel 2 without a role, the
// band range nLowerBand..nUpperBand; everything else not given.
void SetNeutralSetup(CMeasSetup& setup, int nLowerBand, int nUpperBand, int nRole);
