#pragma once
// Classes in this file: CTestDoc, the document of the test application: a
// number and a text, stored in an archive; it can be told to fail while
// storing, halfway through.

#include "afxwin.h"

class CTestDoc : public COleDocument {
    DECLARE_DYNCREATE(CTestDoc)
public:
    void Serialize(CArchive& ar) override;
    void DeleteContents() override;

    int m_nValue = 0;
    CString m_sText;
    BOOL m_bFailWhileStoring = FALSE;
    static int s_nInstances;

protected:
    CTestDoc();
    ~CTestDoc() override;

    afx_msg BOOL OnRoute(UINT nID);

    DECLARE_MESSAGE_MAP()
};
