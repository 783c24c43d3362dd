#pragma once
// Classes in this file: CCalcSettings, the application settings the
// calculation engine reads at each use.

struct CCalcSettings {
    int m_nLowerFreq = 17;              // lowest band of the range in use, inclusive
    int m_nUpperFreq = 37;              // highest band, inclusive
    bool m_bBgnCorrection = false;      // background-noise correction on
    bool m_bFtmCorrection = false;      // flanking-transmission correction on
    bool m_bCorrectionZezur = false;    // full laboratory airborne-noise rule
    bool m_bExactRating = false;        // 0.1 dB ratings; ASTM keeps per-band decimals

    int FirstBand() const;
    int LastBand() const;
};
