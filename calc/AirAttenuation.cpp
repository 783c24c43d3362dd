// The pure-tone sound attenuation of air by ISO 9613-1: classical absorption
// and the relaxation of oxygen and nitrogen, from temperature, relative
// humidity and static pressure.

#include "AirAttenuation.h"

#include <cmath>

namespace {

const double kReferencePressure = 101.325;      // kPa
const double kReferenceTemperature = 293.15;    // K
const double kTriplePointTemperature = 273.16;  // K, of water
const double kZeroCelsius = 273.15;             // K

// Relaxation frequency of oxygen, Hz; h the molar concentration of water
// vapour, %.
double OxygenRelaxation(double dRelPressure, double dMolarHumidity)
{
    return dRelPressure
           * (24.0 + 4.04e4 * dMolarHumidity * (0.02 + dMolarHumidity) / (0.391 + dMolarHumidity));
}

// Relaxation frequency of nitrogen, Hz.
double NitrogenRelaxation(double dRelPressure, double dRelTemperature, double dMolarHumidity)
{
    return dRelPressure * std::pow(dRelTemperature, -0.5)
           * (9.0 + 280.0 * dMolarHumidity
                        * std::exp(-4.170 * (std::pow(dRelTemperature, -0.3333333333) - 1.0)));
}

}  // namespace

// Power attenuation coefficient m of air, 1/m, at the frequency f (Hz), the
// temperature t (°C), the relative humidity h (%) and the static pressure p
// (kPa): the standard's attenuation coefficient alpha in dB/m divided by
// 10 lg e, so that a room of volume V absorbs 4 V m, m².
//   m = 2 f² [1.84e-11 (p/pr)^-1 (T/T0)^0.5
//            + (T/T0)^-2.5 (0.01275 e^(-2239.1/T) / (frO + f²/frO)
//                           + 0.1068 e^(-3352.0/T) / (frN + f²/frN))]
double AirAttenuationCoefficient(double dFrequency, double dTemperature, double dHumidity,
                                 double dPressure)
{
    const double dAbsTemperature = dTemperature + kZeroCelsius;
    const double dSaturation =
        std::pow(10.0, 4.6151 - 6.8346 * std::pow(kTriplePointTemperature / dAbsTemperature, 1.261));
    const double dMolarHumidity = dHumidity * dSaturation * kReferencePressure / dPressure;
    const double dRelTemperature = dAbsTemperature / kReferenceTemperature;
    const double dRelPressure = dPressure / kReferencePressure;
    const double dOxygen = OxygenRelaxation(dRelPressure, dMolarHumidity);
    const double dNitrogen = NitrogenRelaxation(dRelPressure, dRelTemperature, dMolarHumidity);
    const double dSquare = dFrequency * dFrequency;
    const double dClassical = 1.84e-11 / dRelPressure * std::sqrt(dRelTemperature);
    const double dRelaxation =
        std::pow(dRelTemperature, -2.5)
        * (0.01275 * std::exp(-2239.1 / dAbsTemperature) / (dOxygen + dSquare / dOxygen)
           + 0.1068 * std::exp(-3352.0 / dAbsTemperature) / (dNitrogen + dSquare / dNitrogen));
    return 2.0 * dSquare * (dClassical + dRelaxation);
}
