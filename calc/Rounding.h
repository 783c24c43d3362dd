#pragma once
// The engine's rounding rule and the term rounding built on it.

double Round(double dValue, int nDecimals);
double RoundTerm(double dValue, double dRating);
