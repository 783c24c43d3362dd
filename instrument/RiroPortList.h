#pragma once
// Classes in this file: CRiroPortList, the "Com Port" list of the link's
// dialogs: COM1 to COM19.

class CComboBox;

class CRiroPortList {
public:
    static void Fill(CComboBox& rList, int nCom);
    static int SelectedPort(const CComboBox& list);
};
