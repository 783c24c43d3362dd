#pragma once
// Classes in this file: CRiroSettings, the analyser link's settings as the
// profile section keeps them (one value per member, named after it).

#include "afx.h"

class CSettingsStore;

class CRiroSettings {
public:
    // The measurement kinds of the set-up dialog and the registers of the
    // read dialog (their radio buttons).
    enum { kAirborne = 1080, kImpact = 1081, kReverberation = 1082 };
    enum { kAveragedRegister = 1078, kLastRegister = 1079 };
    enum { kFirstPort = 1, kLastPort = 19 };

    void Load(const CSettingsStore& store, LPCTSTR lpszSection);
    void Save(CSettingsStore& store, LPCTSTR lpszSection) const;

    int m_nCom = 1;
    CString m_sTitle;
    CString m_sTitle2;
    int m_nReadRdBttn = kLastRegister;
    int m_nWriteRdBttn = kAirborne;
    int m_nCheckAirMls = 1;
    int m_nAirAvrg = 1;
    int m_nAirFs1 = 120;
    int m_nAirFs2 = 80;
    int m_nAirNoise = 6;
    int m_nCheckImpactCh1 = 1;
    int m_nCheckImpactCh2 = 1;
    int m_nImpactFS = 80;
    int m_nCheckReverbMls = 1;
    int m_nReverbAvrg = 1;
    int m_nReverbNoise = 10;
    int m_nReverbFS = 120;
    int m_nCheckReverbCh1 = 1;
    int m_nCheckReverbCh2 = 1;
};
