#pragma once
// Classes in this file: CTestView, the view of the test application. It
// fills its client area green, prints page n with a coloured square (blue
// on page 1, red after), counts updates and timer ticks, and takes part in
// the command routing.

#include "afxwin.h"

class CTestDoc;

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    CTestDoc* GetTestDoc() const;

    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;

    static constexpr COLORREF kScreenColour = RGB(0, 128, 0);
    static constexpr COLORREF kFirstPageColour = RGB(0, 0, 255);
    static constexpr COLORREF kOtherPageColour = RGB(255, 0, 0);

    int m_nInitialUpdates = 0;
    int m_nUpdates = 0;
    LPARAM m_lLastHint = -1;
    int m_nTimerTicks = 0;
    int m_nPaints = 0;
    UINT m_nPrintPages = 2;
    BOOL m_bLandscape = FALSE;
    BOOL m_bPrintDialog = FALSE;  // print through the print dialog, not directly
    std::vector<CRect> m_printedRects;  // m_rectDraw of each page printed

protected:
    CTestView() = default;

    afx_msg BOOL OnRoute(UINT nID);
    afx_msg void OnViewOnly();
    afx_msg void OnDisabled();
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnFilePrint();

    DECLARE_MESSAGE_MAP()
};
