#include "NMeasCtrlData.h"

#include "MeasArchive.h"

#include "CArchive.h"

void NMeasCtrlData::Serialize(CArchive& ar)
{
    SerializeWhole(ar, *this, [&ar](NMeasCtrlData& record) {
        ExchangeVersion(ar, "NMeasCtrlData");
        record.m_MeasSetup.Serialize(ar);
        for (int nIndex = 0; nIndex < 2; ++nIndex) {
            record.m_aLevel[nIndex].Serialize(ar);
            record.m_aReverbPrimary[nIndex].Serialize(ar);
            record.m_aReverbSecondary[nIndex].Serialize(ar);
        }
        ExchangeField(ar, record.m_Time);
        ExchangeField(ar, record.m_nSetNumber);
        ExchangeField(ar, record.m_dArea);
    });
}

template <>
void SerializeElements<NMeasCtrlData>(CArchive& ar, NMeasCtrlData* pElements, int nCount)
{
    SerializeEach(ar, pElements, nCount);
}
