#pragma once
// The practical sound absorption coefficient of an octave by ISO 11654.

double PracticalAbsorptionCoefficient(double dMean);
