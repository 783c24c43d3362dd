#pragma once
// The band labels of the one-third-octave bands: index = band number (0 to
// 43), each the nominal frequency with one decimal below 1 kHz and "k" from
// 1 kHz on ("1.0" ... "800.0", "1.0k" ... "20.0k"). The tables and the
// frequency-range options read them; the application puts the system's
// decimal separator into them once at start.

#include "afx.h"

constexpr int kBandLabelCount = 44;

extern CString ThirdOctaveBandLabels[kBandLabelCount];

// With the separator "," every label's "." becomes ","; any other separator
// leaves the labels as they are.
void UseDecimalSeparatorInBandLabels(const CString& sDecimal);
