#pragma once
// Classes in this file: CInstrumentReadImport, the filing of the one or two
// records read from the analyser over the serial link into the selected
// project: straight into a selected group that fits the data, otherwise
// into the tables the assignment dialog names, each record with its
// channel's corrections, and one recalculation.

#include "TreeImportHost.h"

class CInstrumentReadImport {
public:
    explicit CInstrumentReadImport(CTreeImportHost& host) : m_host(host) {}

    // nChannelChoice: 0 both channels, 1 channel 1, 2 channel 2.
    void Import(int nChannelChoice, const NBuildData& channel1, const NBuildData& channel2);

    // The mode and role a record of mode nReadMode gets in table nTableId;
    // false when the table does not take it. bDirect: the selected group
    // (corner roles apply) rather than the dialog's choice.
    static bool TableSetup(const CReportInfo& info, int nTableId, bool bDirect, int nReadMode, int& rnMode,
                           int& rnRole);

private:
    struct CChannelRead {
        NBuildData m_Record;
        int m_nChannel = 0;
        int m_nTableId = 0;
    };
    bool AssignByDialog(const CReportInfo& info, std::vector<CChannelRead>& reads);
    void File(CProjectDoc& project, CChannelRead& read, bool bDirect);

    CTreeImportHost& m_host;
};
