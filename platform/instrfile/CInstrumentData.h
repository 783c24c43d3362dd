#pragma once
// The content of an instrument file (.vsf, .sdf, .kpf) as the parser reads it
// and the fixture writer writes it; docs/formats/instrument-files.md.

#include "CFaultPlan.h"
#include "CFileBandRange.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CInstrumentData
{
    typedef std::array<int, 3> Descriptor;      // function descriptor (a, b, c)
    typedef std::array<int, 3> Duration;        // hours, minutes, seconds
    typedef std::array<int, 6> DateTime;        // year, month, day, hour, minute, second

    struct CPeriodData
    {
        int m_nMarkers = 0;
        std::vector<float> m_aValues;
        std::vector<int32_t> m_aStatus;
    };

    struct CFunctionData
    {
        Descriptor m_descriptor{};
        bool m_bMeasured = true;
        std::vector<CPeriodData> m_aPeriods;
    };

    struct CAObjectData
    {
        int m_nId = 0;
        int m_nPeriods = 0;
        std::optional<std::vector<float>> m_aRTPars;
        std::vector<CFunctionData> m_aFunctions;

        const CFunctionData* FindFunction(const Descriptor& descriptor) const;
    };

    struct CChannelData
    {
        int m_nNumber = 1;
        int m_nBandwidth = 2;
        int m_nMode = 0;
        long m_lLowerFrq = 17;
        long m_lUpperFrq = 37;
        std::optional<int> m_nMIM;
        std::optional<std::string> m_sMeasType;
        std::optional<float> m_fSens;
        std::optional<float> m_fFullscale;
        std::optional<Duration> m_duration;
        std::optional<DateTime> m_trigTime;
        std::optional<std::string> m_sMicCorrection;
        std::string m_sCorrectionName;
        std::optional<std::vector<float>> m_aCorrectionTable;
        std::optional<float> m_fRoomArea;
        std::optional<float> m_fRoomVolume;
        std::vector<CAObjectData> m_aObjects;

        int BandStep() const { return CFileBandRange::Step(m_nBandwidth); }
        long BandCount() const { return m_lUpperFrq - m_lLowerFrq + 1; }
        const CAObjectData* FindObject(int nId) const;
    };

    int m_nInstrumentType = 0;
    std::vector<int> m_aVersion;
    CFaultPlan m_faults;
    std::vector<CChannelData> m_aChannels;

    const CChannelData* FindChannel(int nNumber) const;
};
