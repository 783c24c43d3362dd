#pragma once
// Decimal numbers in settings texts: always with a point, whatever the
// user's locale, so that a value written under one locale reads back the
// same under another.

#include "afx.h"

// One decimal ("12.5"); a missing value (at or below -499.5) is "-999.9".
CString SettingsNumberText(double dValue);
// Reads "12.5" and also "12,5"; a text that holds no number is missing.
double SettingsNumberValue(const CString& sText);

// Every decimal the value needs to read back the same ("0.2", "62.5", "60").
CString SettingsDecimalText(double dValue);
// Reads "0.2" and also "0,2"; FALSE when the text begins with no number.
BOOL SettingsDecimalValue(const CString& sText, double& rdValue);
