#include "ThirdOctaveBandLabels.h"

CString ThirdOctaveBandLabels[kBandLabelCount] = {
    "1.0",   "1.25",  "1.6",   "2.0",   "2.5",   "3.15",  "4.0",   "5.0",   "6.3",
    "8.0",   "10.0",  "12.5",  "16.0",  "20.0",  "25.0",  "31.5",  "40.0",  "50.0",
    "63.0",  "80.0",  "100.0", "125.0", "160.0", "200.0", "250.0", "315.0", "400.0",
    "500.0", "630.0", "800.0", "1.0k",  "1.25k", "1.6k",  "2.0k",  "2.5k",  "3.15k",
    "4.0k",  "5.0k",  "6.3k",  "8.0k",  "10.0k", "12.5k", "16.0k", "20.0k"};

void UseDecimalSeparatorInBandLabels(const CString& sDecimal)
{
    if (sDecimal != ",")
        return;
    for (CString& sLabel : ThirdOctaveBandLabels)
        sLabel.Replace('.', ',');
}
