#pragma once
// Classes in this file: CMeasSetup, the set-up of a measurement record: per
// channel 1 and 2 the role and instrument, and the settings both channels
// share. -999, -999.0 or an empty text means "not given".

#include "afx.h"

class CArchive;

// The role of a channel's measurement, the first argument of SetDescription.
enum MeasurementRole {
    kRoleSource = 0,
    kRoleReceiving = 1,
    kRoleBackground = 2,
    kRoleReverberation = 3,
    kRoleReferenceReverberation = 4,
    kRoleSourceCorner = 8,
    kRoleReceivingCorner = 9,
    kRoleBackgroundCorner = 10,
    kRoleReferenceReverberationCorner = 11,
    kRoleWithoutFacility = -1,
    kRoleWithFacility = -999
};

class CMeasSetup {
public:
    enum { kNotGiven = -999 };

    static BOOL IsReverberationMode(int nMode) { return nMode == 3 || nMode == 4 || nMode == 11; }

// Channels
    void SetActivateChannel(int nChannel);
    void SetChannelActivated(int nChannel, BOOL bActivated);
    BOOL IsChannelActivated(int nChannel) const;

// Per channel (1 or 2)
    int GetDescription(int nChannel) const { return Channel(nChannel).m_nRole; }
    void SetDescription(int nRole, int nChannel) { SetChannelField(&CChannel::m_nRole, nRole, nChannel); }
    int GetInstrumentType(int nChannel) const { return Channel(nChannel).m_nInstrumentType; }
    void SetInstrumentType(int nType, int nChannel) { SetChannelField(&CChannel::m_nInstrumentType, nType, nChannel); }
    int GetFullScale(int nChannel) const { return Channel(nChannel).m_nFullScale; }
    void SetFullScale(int nFullScale, int nChannel) { SetChannelField(&CChannel::m_nFullScale, nFullScale, nChannel); }
    CString GetNameInstrument(int nChannel) const { return Channel(nChannel).m_sName; }
    void SetNameInstrument(const CString& sName, int nChannel) { SetChannelField(&CChannel::m_sName, sName, nChannel); }
    CString GetPortInstrument(int nChannel) const { return Channel(nChannel).m_sPort; }
    void SetPortInstrument(const CString& sPort, int nChannel) { SetChannelField(&CChannel::m_sPort, sPort, nChannel); }
    CString GetInstrFileName(int nChannel) const { return Channel(nChannel).m_sFileName; }
    void SetInstrFileName(const CString& sFileName, int nChannel) { SetChannelField(&CChannel::m_sFileName, sFileName, nChannel); }
    CString GetInstrSWVersion(int nChannel) const { return Channel(nChannel).m_sSWVersion; }
    void SetInstrSWVersion(const CString& sVersion, int nChannel) { SetChannelField(&CChannel::m_sSWVersion, sVersion, nChannel); }

// Shared
    int GetMeasurementMode() const { return m_nMeasurementMode; }
    void SetMeasurementMode(int nMode) { m_nMeasurementMode = nMode; }
    int GetLowerFreq() const { return m_nLowerFreq; }
    void SetLowerFreq(int nBand) { m_nLowerFreq = nBand; }
    int GetUpperFreq() const { return m_nUpperFreq; }
    void SetUpperFreq(int nBand) { m_nUpperFreq = nBand; }
    double GetSensMic1() const { return m_dSensMic1; }
    void SetSensMic1(double dSensitivity) { m_dSensMic1 = dSensitivity; }
    double GetSensMic2() const { return m_dSensMic2; }
    void SetSensMic2(double dSensitivity) { m_dSensMic2 = dSensitivity; }
    int GetNumbersOfAverages() const { return m_nNumbersOfAverages; }
    void SetNumbersOfAverages(int nAverages) { m_nNumbersOfAverages = nAverages; }
    int GetNoiseDistance() const { return m_nNoiseDistance; }
    void SetNoiseDistance(int nDistance) { m_nNoiseDistance = nDistance; }
    int GetNoiseLevel() const { return m_nNoiseLevel; }
    void SetNoiseLevel(int nLevel) { m_nNoiseLevel = nLevel; }
    int GetNoiseType() const { return m_nNoiseType; }
    void SetNoiseType(int nType) { m_nNoiseType = nType; }
    int GetExcitation() const { return m_nExcitation; }
    void SetExcitation(int nExcitation) { m_nExcitation = nExcitation; }
    int GetDelay() const { return m_nDelay; }
    void SetDelay(int nDelay) { m_nDelay = nDelay; }
    int GetReverbTime() const { return m_nReverbTime; }
    void SetReverbTime(int nReverbTime) { m_nReverbTime = nReverbTime; }
    int GetMeasurementTime() const { return m_nMeasurementTime; }
    void SetMeasurementTime(int nSeconds) { m_nMeasurementTime = nSeconds; }
    int GetCalcMethod() const { return m_nCalcMethod; }
    void SetCalcMethod(int nMethod) { m_nCalcMethod = nMethod; }
    CString GetCalcPrimary() const { return m_sCalcPrimary; }
    void SetCalcPrimary(const CString& sText) { m_sCalcPrimary = sText; }
    CString GetCalcSecondary() const { return m_sCalcSecondary; }
    void SetCalcSecondary(const CString& sText) { m_sCalcSecondary = sText; }

// Persistence
    void Serialize(CArchive& ar);

private:
    struct CChannel {
        int m_nRole = kNotGiven;
        int m_nInstrumentType = kNotGiven;
        int m_nFullScale = kNotGiven;
        CString m_sName;
        CString m_sPort;
        CString m_sFileName;
        CString m_sSWVersion;
    };

    static bool IsChannel(int nChannel) { return nChannel == 1 || nChannel == 2; }
    const CChannel& Channel(int nChannel) const;
    // A channel number other than 1 or 2 changes nothing.
    template <class T>
    void SetChannelField(T CChannel::*pField, const T& value, int nChannel)
    {
        if (IsChannel(nChannel))
            m_aChannels[nChannel - 1].*pField = value;
    }
    static void SerializeChannel(CArchive& ar, CChannel& channel);

    int m_nActiveChannels = 1;  // bit 0 channel 1, bit 1 channel 2
    CChannel m_aChannels[2];
    int m_nMeasurementMode = kNotGiven;
    int m_nLowerFreq = kNotGiven;
    int m_nUpperFreq = kNotGiven;
    double m_dSensMic1 = kNotGiven;
    double m_dSensMic2 = kNotGiven;
    int m_nNumbersOfAverages = kNotGiven;
    int m_nNoiseDistance = kNotGiven;
    int m_nNoiseLevel = kNotGiven;
    int m_nNoiseType = kNotGiven;
    int m_nExcitation = kNotGiven;
    int m_nDelay = kNotGiven;
    int m_nReverbTime = kNotGiven;
    int m_nMeasurementTime = kNotGiven;
    int m_nCalcMethod = kNotGiven;
    CString m_sCalcPrimary;
    CString m_sCalcSecondary;
};
