#include "CTestView.h"

#include "CTestDoc.h"
#include "TestEvents.h"
#include "TestResources.h"

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
    ON_COMMAND(ID_TEST_VIEWONLY, OnViewOnly)
    ON_COMMAND(ID_TEST_DISABLED, OnDisabled)
    ON_COMMAND(ID_TEST_DISABLED_KEY, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED_KEY, OnUpdateDisabled)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CTestDoc* CTestView::GetTestDoc() const
{
    return static_cast<CTestDoc*>(GetDocument());
}

void CTestView::OnDraw(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, kScreenColour);
    ++m_nPaints;
}

void CTestView::OnInitialUpdate()
{
    ++m_nInitialUpdates;
    CView::OnInitialUpdate();
}

void CTestView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    ++m_nUpdates;
    m_lLastHint = lHint;
    CView::OnUpdate(pSender, lHint, pHint);
}

BOOL CTestView::OnPreparePrinting(CPrintInfo* pInfo)
{
    pInfo->m_bDirect = !m_bPrintDialog;
    return DoPreparePrinting(pInfo);
}

void CTestView::OnBeginPrinting(CDC*, CPrintInfo* pInfo)
{
    pInfo->SetMaxPage(m_nPrintPages);
}

// Landscape is asked for page by page, as the program's views do.
void CTestView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (pDC->IsPrinting() && pInfo != nullptr && m_bLandscape) {
        LPDEVMODE pDevMode = pInfo->m_pPD->GetDevMode();
        pDevMode->dmOrientation = DMORIENT_LANDSCAPE;
        pDC->ResetDC(pDevMode);
        ::GlobalUnlock(pInfo->m_pPD->m_pd.hDevMode);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

// One inch square, 1 cm from the top left corner of the printable area.
void CTestView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    m_printedRects.push_back(pInfo->m_rectDraw);
    int nOldMode = pDC->SetMapMode(MM_LOMETRIC);
    CRect square(100, -100, 354, -354);
    pDC->FillSolidRect(&square, pInfo->m_nCurPage == 1 ? kFirstPageColour : kOtherPageColour);
    pDC->SetMapMode(nOldMode);
}

void CTestView::OnFilePrint()
{
    CView::OnFilePrint();
}

BOOL CTestView::OnRoute(UINT)
{
    TestEvents().push_back("view");
    return FALSE;
}

void CTestView::OnViewOnly()
{
    TestEvents().push_back("view only");
}

void CTestView::OnDisabled()
{
    TestEvents().push_back("disabled");
}

void CTestView::OnUpdateDisabled(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CTestView::OnTimer(UINT_PTR nIDEvent)
{
    ++m_nTimerTicks;
    if (m_nTimerTicks >= 3)
        KillTimer(nIDEvent);
}
