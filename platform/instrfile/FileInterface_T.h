#pragma once
// Classes in this file: FileInterface_T, an opened instrument file (.vsf, .sdf,
// .kpf; docs/formats/instrument-files.md), and the time records it hands out.

#include "CA_Obj.h"
#include "CFunction.h"
#include "CInstrumentData.h"
#include "CMarker.h"

#include "afx.h"
#include "CArray.h"
#include "CObList.h"
#include "CTypedPtrList.h"

#include <array>

// Duration of a measurement.
struct dur_t
{
    short m_nHours = 0;
    short m_nMinutes = 0;
    short m_nSeconds = 0;
};

// A point in time as the instrument records it, local time.
struct kel_time_t
{
    short m_nYear = 0;
    short m_nMonth = 0;
    short m_nDay = 0;
    short m_nHour = 0;
    short m_nMinute = 0;
    short m_nSecond = 0;
};

class FileInterface_T
{
public:
    // Reads and checks the whole file; throws an int code (FvxCode) when it is
    // refused. hOwner and bReadOnly are accepted for the caller's sake; the
    // library never writes and shows no window.
    FileInterface_T(const char* szPath, void* hOwner, bool bReadOnly);
    FileInterface_T(const FileInterface_T&) = delete;
    FileInterface_T& operator=(const FileInterface_T&) = delete;

// File
    int GetInstrumentType(int& nType);
    int GetInstrumentVersion(CArray<int, int>* pVersion);

// Channel
    int SetChannel(int nChannel);
    int GetMeasA_Objs(CArray<CA_Obj, CA_Obj&>* pObjects);
    int GetMeasBandwidth(char& cBandwidth);
    int GetMeasMode(int& nMode);
    int GetMeasLowerFrq(long& lIndex);
    int GetMeasUpperFrq(long& lIndex);
    int GetMeasMIM(int& nMim);
    int GetMeasBA_MeasType(CString& sType);
    int GetMeasSens(float& fSensitivity);
    int GetMeasFullscale(float& fFullscale);
    int GetMeasDuration(dur_t& duration);
    int GetMeasTrigTime(kel_time_t& time, bool bLocal);
    int GetMeasBA_MicCorrection(CString& sSwitch);
    int GetMeasBA_CorrectionTable(CArray<float, float>* pTable, CString& sName);
    int GetMeasBA_RoomArea(float& fArea);
    int GetMeasBA_RoomVolume(float& fVolume);

// Measurement object and function
    int SetA_Obj(int nObject, long lReserved, bool bReserved);
    int GetMeas_nPrds(long& lPeriods);
    int GetMeas_nFunctions(int& nFunctions);
    int GetMeasBA_RT_Pars(CArray<float, float>* pPars);
    int GetMeasFunction(CFunction& function, int nIndex);
    int SetFunction(CFunction& function);
    bool IsFunctionMeasured(CFunction& function, int& nIndex);

// Loading
    void SetFirstFrq(long lIndex);
    int Set_nFrqs(long lCount);
    int LoadNativeData(long lPeriod, long lCount, float* pValues, long lSize);
    int LoadStatusBits(long lPeriod, long lCount, int* pWords, long lSize);
    int LoadMarker(long lPeriod, long lReserved, int nKind, int nScope,
                   CTypedPtrList<CObList, CMarker*>* pMarkers);

private:
    // What is selected on one channel; each channel keeps its own.
    struct CCursor
    {
        const CInstrumentData::CAObjectData* m_pObject = nullptr;
        const CInstrumentData::CFunctionData* m_pFunction = nullptr;
        long m_lFirstFrq = 0;
        long m_lFrqs = 0;
    };

    int Channel(const char* szOperation, const CInstrumentData::CChannelData*& pChannel);
    int Object(const char* szOperation, const CInstrumentData::CAObjectData*& pObject);
    template <typename T, typename Out>
    int ChannelField(const char* szOperation, T CInstrumentData::CChannelData::*pMember, Out& value);
    template <typename T, typename Out>
    int ChannelValue(const char* szOperation, std::optional<T> CInstrumentData::CChannelData::*pMember,
                     Out& value);
    int CheckLoad(const char* szOperation, long lPeriod, long lCount);
    template <typename Source, typename Target>
    int Load(const char* szOperation, long lPeriod, long lCount, Target* pTarget, long lSize,
             const std::vector<Source> CInstrumentData::CPeriodData::*pMember);
    CCursor& Cursor() { return m_aCursors[size_t(m_nChannel)]; }

    CInstrumentData m_data;
    int m_nChannel = 1;
    std::array<CCursor, 33> m_aCursors;     // by channel number 1..32
};
