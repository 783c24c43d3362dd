#pragma once
// The sound attenuation of air by ISO 9613-1.

double AirAttenuationCoefficient(double dFrequency, double dTemperature, double dHumidity,
                                 double dPressure);
