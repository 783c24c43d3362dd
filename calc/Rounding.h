#pragma once
// The term rounding of the adaptation terms, built on the program's one
// rounding function, RoundValue of the measurement-data library.

#include "MeasValue.h"

double RoundTerm(double dValue, double dRating);
