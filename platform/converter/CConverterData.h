#pragma once
// The content of a Kel270 analyser file (.config) as the parser reads it and
// the fixture writer writes it; docs/formats/converter-files.md.

#include "platform/instrfile/CFaultPlan.h"
#include "platform/instrfile/CFileBandRange.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct CConverterData
{
    enum Kind
    {
        kGeneral,
        kBuildingAcoustics,
        kIntensity,
    };

    typedef std::array<int, 6> DateTime;    // year, month, day, hour, minute, second

    struct CChannelData
    {
        double m_dSensitivity = 0.0;
        std::optional<std::vector<double>> m_aLfeq;
    };

    struct CPositionData
    {
        int m_nLoudspeaker = 0;
        std::optional<double> m_dArea;
        std::vector<double> m_aValues;
    };

    struct CTableData
    {
        std::string m_sName;
        std::optional<std::vector<double>> m_aCorrection;
        std::vector<CPositionData> m_aPositions;
    };

    Kind m_kind = kGeneral;
    int m_nBandwidth = 2;
    int m_nLowerFreq = 17;
    int m_nUpperFreq = 37;
    std::string m_sVersion;
    std::optional<int> m_nDuration;     // seconds
    std::optional<DateTime> m_trigTime;
    CFaultPlan m_faults;
    std::vector<CChannelData> m_aChannels;
    std::vector<CTableData> m_aTables;
    std::vector<std::pair<std::string, std::string>> m_aProtocol;

    int BandStep() const { return CFileBandRange::Step(m_nBandwidth); }
    int BandCount() const { return m_nUpperFreq - m_nLowerFreq + 1; }

    static const char* KindName(Kind kind);
};
