#pragma once
// Classes in this file: CPrintInfo, the state of one print job that the
// view's print steps share: the printer choice, the page range, the page
// being printed and its drawing rectangle.

#include "afx.h"

#include <memory>

class CPrintDialog;

class CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD;           // owned
    BOOL m_bDocObject = FALSE;
    BOOL m_bDirect = FALSE;        // print on the current printer without the dialog
    BOOL m_bPreview = FALSE;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    CString m_strPageDesc;
    LPVOID m_lpUserData = nullptr;
    CRect m_rectDraw;              // the page, in logical units, for OnPrint

    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    // The pages chosen in the dialog, or the whole range.
    UINT GetFromPage() const;
    UINT GetToPage() const;

private:
    std::unique_ptr<CPrintDialog> m_pDialog;
};
