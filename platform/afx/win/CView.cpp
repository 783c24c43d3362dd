#include "CView.h"

#include "AfxMessageBox.h"
#include "AfxWindowMessages.h"
#include "CCreateContext.h"
#include "CDocument.h"
#include "CFrameWnd.h"
#include "CPaintDC.h"
#include "CPrintDialog.h"
#include "CPrintInfo.h"
#include "CWinApp.h"
#include "res/resource.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxDefaultWndClass(COLOR_WINDOW);
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

void CView::PostNcDestroy()
{
    delete this;
}

// --- drag and drop ----------------------------------------------------------

DROPEFFECT CView::OnDragEnter(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT CView::OnDragOver(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL CView::OnDrop(COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT CView::OnDropEx(COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return static_cast<DROPEFFECT>(-1);
}

void CView::OnDragLeave()
{
}

// DROPEFFECT_SCROLL alone asks the drop target for its auto-scroll.
DROPEFFECT CView::OnDragScroll(DWORD, CPoint)
{
    return DROPEFFECT_SCROLL;
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

// Commands go to the view, then to its document (and the document's template).
BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this && m_hWnd != nullptr) {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != nullptr && pFrame->IsWindowVisible() && ::GetFocus() != m_hWnd &&
            !::IsChild(m_hWnd, ::GetFocus()))
            SetFocus();
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd*)
{
}

// A click into an inactive view makes it the frame's active view.
int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() != this)
        pFrame->SetActiveView(this);
    return nResult;
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

// With an unknown page count (the maximum left at 0xFFFF) only the first
// page prints unless the view says otherwise.
void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    if (pInfo != nullptr)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*)
{
}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*)
{
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CWinApp* pApp = AfxGetApp();
    PRINTDLG& pd = pInfo->m_pPD->m_pd;
    pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
    pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
    if (pInfo->m_bDirect || pInfo->m_bPreview) {
        if (pd.hDC == nullptr) {
            if (!pApp->GetPrinterDeviceDefaults(&pd))
                return FALSE;
            pInfo->m_pPD->CreatePrinterDC();
        }
    } else if (pApp->DoPrintDialog(pInfo->m_pPD) != IDOK) {
        return FALSE;
    }
    return pd.hDC != nullptr;
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    if (!OnPreparePrinting(&printInfo))
        return;
    CDC dcPrint;
    dcPrint.Attach(printInfo.m_pPD->m_pd.hDC);
    printInfo.m_pPD->m_pd.hDC = nullptr;  // the CDC deletes it
    dcPrint.m_bPrinting = TRUE;

    OnBeginPrinting(&dcPrint, &printInfo);
    CString sDocName = m_pDocument ? m_pDocument->GetTitle() : CString();
    if (dcPrint.StartDoc(sDocName) <= 0) {
        OnEndPrinting(&dcPrint, &printInfo);
        AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT);
        return;
    }
    if (PrintPages(dcPrint, printInfo))
        dcPrint.EndDoc();
    else
        dcPrint.AbortDoc();
    OnEndPrinting(&dcPrint, &printInfo);
}

// The range is taken after OnBeginPrinting, which may have set the page
// count. Each page: OnPrepareDC (which may end the job), StartPage,
// OnPrepareDC again (a new page may reset the DC), OnPrint, EndPage.
BOOL CView::PrintPages(CDC& dcPrint, CPrintInfo& printInfo)
{
    UINT nStartPage = printInfo.GetFromPage();
    UINT nEndPage = printInfo.GetToPage();
    nStartPage = std::max(nStartPage, printInfo.GetMinPage());
    nEndPage = std::min(nEndPage, printInfo.GetMaxPage());
    for (printInfo.m_nCurPage = nStartPage; printInfo.m_nCurPage <= nEndPage; ++printInfo.m_nCurPage) {
        OnPrepareDC(&dcPrint, &printInfo);
        if (!printInfo.m_bContinuePrinting)
            break;
        printInfo.m_rectDraw.SetRect(0, 0, dcPrint.GetDeviceCaps(HORZRES), dcPrint.GetDeviceCaps(VERTRES));
        dcPrint.DPtoLP(&printInfo.m_rectDraw);
        if (dcPrint.StartPage() <= 0)
            return FALSE;
        OnPrepareDC(&dcPrint, &printInfo);
        OnPrint(&dcPrint, &printInfo);
        if (dcPrint.EndPage() <= 0)
            return FALSE;
    }
    return TRUE;
}
