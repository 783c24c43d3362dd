#include "RiroPortList.h"

#include "RiroSettings.h"

#include "afxwin.h"

void CRiroPortList::Fill(CComboBox& rList, int nCom)
{
    for (int nPort = CRiroSettings::kFirstPort; nPort <= CRiroSettings::kLastPort; ++nPort) {
        CString sName;
        sName.Format("COM%d", nPort);
        rList.AddString(sName);
    }
    rList.SetCurSel(nCom - CRiroSettings::kFirstPort);
}

// COM1 when nothing is selected: the port number is never 0.
int CRiroPortList::SelectedPort(const CComboBox& list)
{
    const int nIndex = list.GetCurSel();
    return nIndex < 0 ? CRiroSettings::kFirstPort : nIndex + CRiroSettings::kFirstPort;
}
