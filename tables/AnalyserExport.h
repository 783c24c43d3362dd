#pragma once
// Classes in this file: CAnalyserExport, the tab-separated text export of an
// outside sound analyser read into one-third-octave measurements. The rows
// are fixed lines (date, title, unit, band kind, band edges, values); each
// measurement takes one column per band (two in the wide layout) from its
// first column on. The layout is written down in docs/tables.md.

#include "PastedText.h"

#include "NBuildData.h"

#include <vector>

class CAnalyserExport {
public:
    enum Status { kRead, kOctaveBands, kLowerEdgeError, kUpperEdgeError };

    struct CMeasurement {
        CString m_sTitle;
        int m_nLowerBand = 0;
        int m_nUpperBand = 0;
        std::vector<double> m_aValues;  // lower to upper band; missing as -999.0
        bool m_bTimed = false;
        CTime m_Time;

        // Writes the title, the band values, the time and the set-up of an
        // analyser measurement into a record of the table.
        void CompleteRecord(NBuildData& rec) const;
    };

    // Reads every measurement, or none: a refusal leaves aMeasurements empty.
    static Status Read(const CPastedText& text, std::vector<CMeasurement>& aMeasurements);

    // The band of a band-edge field such as "100 Hz" or "1.25 kHz"; false
    // below 1 Hz.
    static bool BandOfEdge(const CString& sField, int& nBand);
    // The time of a date field "dd.mm.yyyy hh:mm:ss" or "dd.mm.yy hh:mm:ss"
    // (any characters between the numbers); false without a real date.
    static bool TimeOf(const CString& sField, CTime& time);

    static constexpr int kInstrumentType = 5;
    static constexpr int kSecondChannelInstrumentType = 4;

private:
    class CColumns;
    static Status ReadMeasurement(const CColumns& columns, int nFirstCol, CMeasurement& meas);
};
