#pragma once
// Helpers of the methods that evaluate measurement sets: the project's lists,
// the background of a set and the set's label.

#include "NBuildData.h"

#include "afx.h"

class CCalc;

constexpr int kSetCount = 9;   // sets 1 to 9, "#A" to "#I"

using CMeasurementList = CList<NBuildData, NBuildData&>;

void StartAccumulation(NSpectrum& accumulator);
const CMeasurementList* MeasurementListOf(const CCalc& calc, int nTableId);
NSpectrum SetBackground(const CCalc& calc, int nSet);
CString SetLabel(int nSet);
