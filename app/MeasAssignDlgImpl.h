#pragma once
// Classes in this file: CMeasAssignDlgImpl, what the two measurement
// assignment dialogs share: the records and the project's descriptor they are
// given, the file name they show, the radio buttons they enable and check by
// CMeasAssignRules, and the table each channel's checked button gives on OK.

#include "MeasAssignRules.h"

#include "import/TreeImportHost.h"

#include "afxwin.h"

class CMeasAssignDlgImpl : public CDialog {
public:
    const NBuildData* m_pChannel1 = nullptr;
    const NBuildData* m_pChannel2 = nullptr;
    const CReportInfo* m_pReportInfo = nullptr;
    int m_nTable1 = -1;
    int m_nTable2 = -1;
    CString m_sFileText;

protected:
    // nFirstRadio1/2: the first radio button of each channel; a channel's
    // buttons are numbered on, row by row, "None" last.
    CMeasAssignDlgImpl(UINT nIDTemplate, CWnd* pParent, CMeasAssignRules::ELayout layout,
                       UINT nFirstRadio1, UINT nFirstRadio2);

    // Gives the dialog the exchange's records and path, runs it and hands
    // back the chosen tables; TRUE for OK.
    BOOL RunWith(CAssignExchange& exchange);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void ShowChannelRows(const CMeasAssignRules& rules, UINT nFirstRadio, const CAssignRows& rows);
    int CheckedTable(const CMeasAssignRules& rules, UINT nFirstRadio) const;

    CMeasAssignRules::ELayout m_layout;
    UINT m_nFirstRadio1;
    UINT m_nFirstRadio2;
};
