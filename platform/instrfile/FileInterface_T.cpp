// FileInterface_T: the file is read and checked whole when it is opened, so
// every later operation only looks things up. Each operation first asks the
// file's fault plan (its Fail statements), which lets a test file make any
// operation fail with a code of its choice.

#include "FileInterface_T.h"

#include "CInstrumentFileParser.h"
#include "FvxCodes.h"

#include <cassert>

namespace
{

const int kHighestChannel = 32;

} // namespace

FileInterface_T::FileInterface_T(const char* szPath, void* /*hOwner*/, bool /*bReadOnly*/)
{
    if (!szPath)
        throw int(kFvxCannotOpen);
    m_data = CInstrumentFileParser::ParseFile(szPath);
}

int FileInterface_T::GetInstrumentType(int& nType)
{
    if (int nFault = m_data.m_faults.Call("GetInstrumentType"))
        return nFault;
    nType = m_data.m_nInstrumentType;
    return kFvxOk;
}

int FileInterface_T::GetInstrumentVersion(CArray<int, int>* pVersion)
{
    if (int nFault = m_data.m_faults.Call("GetInstrumentVersion"))
        return nFault;
    pVersion->RemoveAll();
    for (int nNumber : m_data.m_aVersion)
        pVersion->Add(nNumber);
    return kFvxOk;
}

int FileInterface_T::SetChannel(int nChannel)
{
    if (int nFault = m_data.m_faults.Call("SetChannel"))
        return nFault;
    if (nChannel < 1 || nChannel > kHighestChannel)
        return kFvxNoSuchChannel;
    m_nChannel = nChannel;
    return kFvxOk;
}

int FileInterface_T::Channel(const char* szOperation, const CInstrumentData::CChannelData*& pChannel)
{
    if (int nFault = m_data.m_faults.Call(szOperation))
        return nFault;
    pChannel = m_data.FindChannel(m_nChannel);
    return pChannel ? kFvxOk : kFvxNoMeasurement;
}

int FileInterface_T::GetMeasA_Objs(CArray<CA_Obj, CA_Obj&>* pObjects)
{
    const CInstrumentData::CChannelData* pChannel = nullptr;
    int nResult = Channel("GetMeasA_Objs", pChannel);
    if (nResult == kFvxNoMeasurement)
        pObjects->RemoveAll();
    if (nResult != kFvxOk)
        return nResult;
    pObjects->RemoveAll();
    for (const CInstrumentData::CAObjectData& object : pChannel->m_aObjects)
    {
        CA_Obj listed(object.m_nId, object.m_nPeriods);
        pObjects->Add(listed);
    }
    return pObjects->IsEmpty() ? kFvxNoMeasurement : kFvxOk;
}

template <typename T, typename Out>
int FileInterface_T::ChannelField(const char* szOperation, T CInstrumentData::CChannelData::*pMember, Out& value)
{
    const CInstrumentData::CChannelData* pChannel = nullptr;
    if (int nResult = Channel(szOperation, pChannel))
        return nResult;
    value = Out(pChannel->*pMember);
    return kFvxOk;
}

// A property the file may leave out: kFvxNotPresent when it does.
template <typename T, typename Out>
int FileInterface_T::ChannelValue(const char* szOperation,
                                  std::optional<T> CInstrumentData::CChannelData::*pMember, Out& value)
{
    std::optional<T> given;
    if (int nResult = ChannelField(szOperation, pMember, given))
        return nResult;
    if (!given)
        return kFvxNotPresent;
    value = Out(*given);
    return kFvxOk;
}

int FileInterface_T::GetMeasBandwidth(char& cBandwidth)
{
    return ChannelField("GetMeasBandwidth", &CInstrumentData::CChannelData::m_nBandwidth, cBandwidth);
}

int FileInterface_T::GetMeasMode(int& nMode)
{
    return ChannelField("GetMeasMode", &CInstrumentData::CChannelData::m_nMode, nMode);
}

int FileInterface_T::GetMeasLowerFrq(long& lIndex)
{
    return ChannelField("GetMeasLowerFrq", &CInstrumentData::CChannelData::m_lLowerFrq, lIndex);
}

int FileInterface_T::GetMeasUpperFrq(long& lIndex)
{
    return ChannelField("GetMeasUpperFrq", &CInstrumentData::CChannelData::m_lUpperFrq, lIndex);
}

int FileInterface_T::GetMeasMIM(int& nMim)
{
    return ChannelValue("GetMeasMIM", &CInstrumentData::CChannelData::m_nMIM, nMim);
}

int FileInterface_T::GetMeasBA_MeasType(CString& sType)
{
    return ChannelValue("GetMeasBA_MeasType", &CInstrumentData::CChannelData::m_sMeasType, sType);
}

int FileInterface_T::GetMeasSens(float& fSensitivity)
{
    return ChannelValue("GetMeasSens", &CInstrumentData::CChannelData::m_fSens, fSensitivity);
}

int FileInterface_T::GetMeasFullscale(float& fFullscale)
{
    return ChannelValue("GetMeasFullscale", &CInstrumentData::CChannelData::m_fFullscale, fFullscale);
}

int FileInterface_T::GetMeasBA_MicCorrection(CString& sSwitch)
{
    return ChannelValue("GetMeasBA_MicCorrection", &CInstrumentData::CChannelData::m_sMicCorrection,
                        sSwitch);
}

int FileInterface_T::GetMeasBA_RoomArea(float& fArea)
{
    return ChannelValue("GetMeasBA_RoomArea", &CInstrumentData::CChannelData::m_fRoomArea, fArea);
}

int FileInterface_T::GetMeasBA_RoomVolume(float& fVolume)
{
    return ChannelValue("GetMeasBA_RoomVolume", &CInstrumentData::CChannelData::m_fRoomVolume, fVolume);
}

int FileInterface_T::GetMeasDuration(dur_t& duration)
{
    CInstrumentData::Duration given{};
    if (int nResult = ChannelValue("GetMeasDuration", &CInstrumentData::CChannelData::m_duration, given))
        return nResult;
    duration.m_nHours = short(given[0]);
    duration.m_nMinutes = short(given[1]);
    duration.m_nSeconds = short(given[2]);
    return kFvxOk;
}

// Files store local time, so bLocal asks for what is stored either way.
int FileInterface_T::GetMeasTrigTime(kel_time_t& time, bool /*bLocal*/)
{
    CInstrumentData::DateTime given{};
    if (int nResult = ChannelValue("GetMeasTrigTime", &CInstrumentData::CChannelData::m_trigTime, given))
        return nResult;
    time.m_nYear = short(given[0]);
    time.m_nMonth = short(given[1]);
    time.m_nDay = short(given[2]);
    time.m_nHour = short(given[3]);
    time.m_nMinute = short(given[4]);
    time.m_nSecond = short(given[5]);
    return kFvxOk;
}

int FileInterface_T::GetMeasBA_CorrectionTable(CArray<float, float>* pTable, CString& sName)
{
    std::vector<float> aTable;
    if (int nResult = ChannelValue("GetMeasBA_CorrectionTable",
                                   &CInstrumentData::CChannelData::m_aCorrectionTable, aTable))
        return nResult;
    pTable->RemoveAll();
    for (float fValue : aTable)
        pTable->Add(fValue);
    sName = m_data.FindChannel(m_nChannel)->m_sCorrectionName.c_str();
    return kFvxOk;
}

int FileInterface_T::SetA_Obj(int nObject, long /*lReserved*/, bool /*bReserved*/)
{
    if (int nFault = m_data.m_faults.Call("SetA_Obj"))
        return nFault;
    const CInstrumentData::CChannelData* pChannel = m_data.FindChannel(m_nChannel);
    Cursor().m_pObject = pChannel ? pChannel->FindObject(nObject) : nullptr;
    Cursor().m_pFunction = nullptr;
    return Cursor().m_pObject ? kFvxOk : kFvxNoSuchAObject;
}

int FileInterface_T::Object(const char* szOperation, const CInstrumentData::CAObjectData*& pObject)
{
    if (int nFault = m_data.m_faults.Call(szOperation))
        return nFault;
    pObject = Cursor().m_pObject;
    return pObject ? kFvxOk : kFvxNoObject;
}

int FileInterface_T::GetMeas_nPrds(long& lPeriods)
{
    const CInstrumentData::CAObjectData* pObject = nullptr;
    if (int nResult = Object("GetMeas_nPrds", pObject))
        return nResult;
    lPeriods = pObject->m_nPeriods;
    return kFvxOk;
}

int FileInterface_T::GetMeas_nFunctions(int& nFunctions)
{
    const CInstrumentData::CAObjectData* pObject = nullptr;
    if (int nResult = Object("GetMeas_nFunctions", pObject))
        return nResult;
    nFunctions = int(pObject->m_aFunctions.size());
    return kFvxOk;
}

int FileInterface_T::GetMeasBA_RT_Pars(CArray<float, float>* pPars)
{
    const CInstrumentData::CAObjectData* pObject = nullptr;
    if (int nResult = Object("GetMeasBA_RT_Pars", pObject))
        return nResult;
    if (!pObject->m_aRTPars)
        return kFvxNotPresent;
    pPars->RemoveAll();
    for (float fPar : *pObject->m_aRTPars)
        pPars->Add(fPar);
    return kFvxOk;
}

int FileInterface_T::GetMeasFunction(CFunction& function, int nIndex)
{
    const CInstrumentData::CAObjectData* pObject = nullptr;
    if (int nResult = Object("GetMeasFunction", pObject))
        return nResult;
    if (nIndex < 0 || size_t(nIndex) >= pObject->m_aFunctions.size())
        return kFvxNoFunction;
    const CInstrumentData::Descriptor& descriptor = pObject->m_aFunctions[size_t(nIndex)].m_descriptor;
    function = CFunction(descriptor[0], descriptor[1], descriptor[2]);
    return kFvxOk;
}

int FileInterface_T::SetFunction(CFunction& function)
{
    const CInstrumentData::CAObjectData* pObject = nullptr;
    if (int nResult = Object("SetFunction", pObject))
        return nResult;
    Cursor().m_pFunction =
        pObject->FindFunction({function.m_nDomain, function.m_nVariant, function.m_nQuantity});
    return Cursor().m_pFunction ? kFvxOk : kFvxNoFunction;
}

bool FileInterface_T::IsFunctionMeasured(CFunction& function, int& nIndex)
{
    nIndex = -1;
    const CInstrumentData::CAObjectData* pObject = Cursor().m_pObject;
    if (!pObject)
        return false;
    const CInstrumentData::CFunctionData* pFunction =
        pObject->FindFunction({function.m_nDomain, function.m_nVariant, function.m_nQuantity});
    if (!pFunction)
        return false;
    nIndex = int(pFunction - pObject->m_aFunctions.data());
    return pFunction->m_bMeasured;
}

void FileInterface_T::SetFirstFrq(long lIndex)
{
    Cursor().m_lFirstFrq = lIndex;
}

int FileInterface_T::Set_nFrqs(long lCount)
{
    if (int nFault = m_data.m_faults.Call("Set_nFrqs"))
        return nFault;
    Cursor().m_lFrqs = lCount;
    return kFvxOk;
}

// A load needs a measured function, periods inside the object and bands
// inside the range the channel stores.
int FileInterface_T::CheckLoad(const char* szOperation, long lPeriod, long lCount)
{
    if (int nFault = m_data.m_faults.Call(szOperation))
        return nFault;
    const CCursor& cursor = Cursor();
    if (!cursor.m_pFunction || !cursor.m_pFunction->m_bMeasured)
        return kFvxNoFunction;
    long long nLastPeriod = (long long)lPeriod + lCount - 1;
    if (lPeriod < 0 || lCount < 1 || nLastPeriod >= (long long)cursor.m_pFunction->m_aPeriods.size())
        return kFvxBadPeriod;
    const CInstrumentData::CChannelData& channel = *m_data.FindChannel(m_nChannel);
    long long nLastFrq = (long long)cursor.m_lFirstFrq + cursor.m_lFrqs - 1;
    if (cursor.m_lFrqs < 1 || cursor.m_lFirstFrq < channel.m_lLowerFrq || nLastFrq > channel.m_lUpperFrq)
        return kFvxBadBandRange;
    return kFvxOk;
}

// Copies the selected bands of lCount periods, period after period, and never
// more than lSize entries.
template <typename Source, typename Target>
int FileInterface_T::Load(const char* szOperation, long lPeriod, long lCount, Target* pTarget,
                          long lSize, const std::vector<Source> CInstrumentData::CPeriodData::*pMember)
{
    if (int nResult = CheckLoad(szOperation, lPeriod, lCount))
        return nResult;
    assert(pTarget || lSize <= 0);
    const CCursor& cursor = Cursor();
    size_t nFirst = size_t(cursor.m_lFirstFrq - m_data.FindChannel(m_nChannel)->m_lLowerFrq);
    long lWritten = 0;
    for (long p = lPeriod; p < lPeriod + lCount; ++p)
    {
        const std::vector<Source>& aSource = cursor.m_pFunction->m_aPeriods[size_t(p)].*pMember;
        for (long j = 0; j < cursor.m_lFrqs && lWritten < lSize; ++j)
            pTarget[lWritten++] = Target(aSource[nFirst + size_t(j)]);
    }
    return kFvxOk;
}

int FileInterface_T::LoadNativeData(long lPeriod, long lCount, float* pValues, long lSize)
{
    return Load("LoadNativeData", lPeriod, lCount, pValues, lSize,
                &CInstrumentData::CPeriodData::m_aValues);
}

int FileInterface_T::LoadStatusBits(long lPeriod, long lCount, int* pWords, long lSize)
{
    return Load("LoadStatusBits", lPeriod, lCount, pWords, lSize,
                &CInstrumentData::CPeriodData::m_aStatus);
}

int FileInterface_T::LoadMarker(long lPeriod, long /*lReserved*/, int nKind, int /*nScope*/,
                                CTypedPtrList<CObList, CMarker*>* pMarkers)
{
    const CCursor& cursor = Cursor();
    if (int nFault = m_data.m_faults.Call("LoadMarker"))
        return nFault;
    if (!cursor.m_pFunction || !cursor.m_pFunction->m_bMeasured)
        return kFvxNoFunction;
    if (lPeriod < 0 || size_t(lPeriod) >= cursor.m_pFunction->m_aPeriods.size())
        return kFvxBadPeriod;
    int nMarkers = cursor.m_pFunction->m_aPeriods[size_t(lPeriod)].m_nMarkers;
    for (int i = 0; i < nMarkers; ++i)
        pMarkers->AddTail(new CMarker(lPeriod, nKind));
    return kFvxOk;
}
