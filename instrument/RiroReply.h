#pragma once
// Classes in this file: CRiroReply, the reading of the analyser's reply
// lines. Every field sits at a fixed character position; a field past the
// end of a short reply reads as absent, never past the reply. Numbers are
// read without regard to the program's locale: the analyser always writes a
// decimal point.

#include "afx.h"

class CRiroReply {
public:
    // The function digit and the mode digit of a "GCM?" reply.
    struct CFunctionMode {
        int nFunction = 0;  // 1 level (Leq), 2 reverberation (T20)
        int nMode = 0;      // source mode 1 or 2
    };
    // One channel of an "IAS? <channel>,<register>,<mode>" reply.
    struct CChannelInput {
        bool bOn = false;
        int nFullScale = 0;       // dB
        double dSensitivity = 0;  // dB
    };
    // The band range of an "FLM?" reply.
    struct CBandRange {
        int nLowerBand = 0;
        int nUpperBand = 0;
        int nLowerFrequency = 0;  // Hz, as the band queries take it
        int GetBandSteps() const { return nUpperBand - nLowerBand; }
    };
    // The two sensitivities of an "IAS? 0,1,<mode>" reply, dB.
    struct CSensitivities {
        double dChannel1 = 0;
        double dChannel2 = 0;
    };

// Fields
    static CString Field(const CString& sReply, int nFirst, int nLast);
    static CString FieldFrom(const CString& sReply, int nFirst);
    static int ToInt(const CString& sText);
    static double ToDouble(const CString& sText);

// Replies. Each returns false for a reply that lacks a field it reads.
    static UINT ReadRefusal(const CString& sStatus);
    static UINT StartRefusal(const CString& sStatus);
    static bool IsStandBy(const CString& sStatus);
    static bool ParseFunctionMode(const CString& sReply, CFunctionMode& rResult);
    static bool ParseSourceMode(const CString& sReply, int& rnMode);
    static bool ParseChannelInput(const CString& sReply, CChannelInput& rResult);
    static bool ParseBandRange(const CString& sReply, CBandRange& rResult);
    static bool ParseSensitivities(const CString& sReply, CSensitivities& rResult);
    static int FrequencyToBand(double dFrequency);
};
