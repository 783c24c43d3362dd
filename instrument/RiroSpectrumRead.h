#pragma once
// Classes in this file: CRiroSpectrumRead, one read of the analyser's
// spectra into the link's two records: the channels that are on, their
// set-up, band range and Leq or T20 band values.

#include "RiroBandReader.h"
#include "RiroReply.h"

#include "afx.h"

class CRiroSetup;
class NBuildData;

class CRiroSpectrumRead {
public:
    enum { kRetry = 1, kRead = 0, kFailed = -1, kRegisterEmpty = -5 };

    CRiroSpectrumRead(CRiroSetup& link, const CString& sTitle, const CString& sTitle2)
        : m_link(link), m_sTitle(sTitle), m_sTitle2(sTitle2) {}

    // The register is 1 (last measurement) or 2 (averaged).
    int ReadSpectra(int nRegister);

private:
    int ReadChannelInput(int nChannel, int nRegister, int nMode, CRiroReply::CChannelInput& rInput);
    int ReadChannel(NBuildData& rRecord, int nRegister, int nChannel, const CRiroReply::CFunctionMode& function);
    int ReadBands(NBuildData& rRecord, int nRegister, int nChannel, const CRiroReply::CBandRange& range,
                  const CRiroBandReader::CFlags& flags);
    void SetActiveChannels(bool bChannel1, bool bChannel2);
    bool Query(const CString& sCommand, CString& rsReply);
    int Fail(UINT nMessage);

    CRiroSetup& m_link;
    CString m_sTitle;
    CString m_sTitle2;
};
