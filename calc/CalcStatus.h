#pragma once
// Return codes of the calculation methods and rating routines.

constexpr int kCalcDone = 0;
constexpr int kCalcVolumeMissing = 1;    // room volume or reference time missing
constexpr int kCalcAreaMissing = 2;      // area missing, or an invalid choice
constexpr int kCalcBandMissing = 3;      // a band the result needs is missing
constexpr int kCalcClimateMissing = 4;   // temperature, humidity or pressure missing
