#pragma once
// Classes in this file: CRecordSetup, the parts of a record's set-up that every
// instrument-file reader fills the same way.

#include "ReaderBandRange.h"

#include "FileInterface_T.h"
#include "NBuildData.h"

class CRecordSetup
{
public:
    // The set-up values a file does not give: -999 and empty texts.
    static void SetNotGiven(CMeasSetup& setup);

    // "major.minor" from the first two version numbers; empty when there are
    // fewer than two or neither is above 0.
    static CString VersionText(const CArray<int, int>& version);

    // The trigger time as a local time; years up to 1900 stand for "not set"
    // and give 1 January 1970, 01:01:01, and so does a time that is no date.
    static CTime TriggerTime(const kel_time_t& time);

    static void SetBandLimits(CMeasSetup& setup, const CReaderBandRange& range);
    static void SetInstrument(CMeasSetup& setup, int nInstrument, int nChannel);
};
