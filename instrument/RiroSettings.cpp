#include "RiroSettings.h"

#include "CSettingsStore.h"

namespace {

struct CIntKey {
    LPCTSTR lpszName;
    int CRiroSettings::*pMember;
};

const CIntKey kIntKeys[] = {
    {"m_nCom", &CRiroSettings::m_nCom},
    {"m_nReadRdBttn", &CRiroSettings::m_nReadRdBttn},
    {"m_nWriteRdBttn", &CRiroSettings::m_nWriteRdBttn},
    {"m_nCheckAirMls", &CRiroSettings::m_nCheckAirMls},
    {"m_nAirAvrg", &CRiroSettings::m_nAirAvrg},
    {"m_nAirFs1", &CRiroSettings::m_nAirFs1},
    {"m_nAirFs2", &CRiroSettings::m_nAirFs2},
    {"m_nAirNoise", &CRiroSettings::m_nAirNoise},
    {"m_nCheckImpactCh1", &CRiroSettings::m_nCheckImpactCh1},
    {"m_nCheckImpactCh2", &CRiroSettings::m_nCheckImpactCh2},
    {"m_nImpactFS", &CRiroSettings::m_nImpactFS},
    {"m_nCheckReverbMls", &CRiroSettings::m_nCheckReverbMls},
    {"m_nReverbAvrg", &CRiroSettings::m_nReverbAvrg},
    {"m_nReverbNoise", &CRiroSettings::m_nReverbNoise},
    {"m_nCheckReverbCh1", &CRiroSettings::m_nCheckReverbCh1},
    {"m_nCheckReverbCh2", &CRiroSettings::m_nCheckReverbCh2},
    {"m_nReverbFS", &CRiroSettings::m_nReverbFS},
};

} // namespace

// Missing values take the defaults of a fresh object. A stored port outside
// COM1 to COM19 would select no entry of the port lists, and their OK would
// then open "COM0": it reads as COM1.
void CRiroSettings::Load(const CSettingsStore& store, LPCTSTR lpszSection)
{
    const CRiroSettings defaults;
    for (const CIntKey& key : kIntKeys)
        this->*key.pMember = static_cast<int>(store.GetInt(lpszSection, key.lpszName, defaults.*key.pMember));
    m_sTitle = store.GetString(lpszSection, "m_sTitle", "");
    m_sTitle2 = store.GetString(lpszSection, "m_sTitle2", "");
    if (m_nCom < kFirstPort || m_nCom > kLastPort)
        m_nCom = kFirstPort;
}

void CRiroSettings::Save(CSettingsStore& store, LPCTSTR lpszSection) const
{
    for (const CIntKey& key : kIntKeys)
        store.WriteInt(lpszSection, key.lpszName, this->*key.pMember);
    store.WriteString(lpszSection, "m_sTitle", m_sTitle);
    store.WriteString(lpszSection, "m_sTitle2", m_sTitle2);
}
