#include "PlaceholderView.h"

#include "ProjectDocument.h"

#include "import/TreeLayout.h"
#include "model/ProjectDoc.h"

IMPLEMENT_DYNAMIC(CPlaceholderView, CView)

BEGIN_MESSAGE_MAP(CPlaceholderView, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

// The document names the kind it is opening just before it makes the view.
int CPlaceholderView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    CProjectDocument* pProject = CProjectDocument::FromDocument(GetDocument());
    if (pProject == nullptr)
        return -1;
    m_nViewKind = pProject->GetProject().m_nNextViewKind;
    if (!m_wndKind.CreateEx(0, "STATIC", WindowCaption(), WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                            CRect(0, 0, 0, 0), this, static_cast<UINT>(m_nViewKind)))
        return -1;
    return 0;
}

void CPlaceholderView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SetWindowText(WindowCaption());
}

void CPlaceholderView::OnDraw(CDC* pDC)
{
}

void CPlaceholderView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (m_wndKind.GetSafeHwnd() != nullptr)
        m_wndKind.MoveWindow(0, 0, cx, cy);
}

// "<project> - <table or page>", with the names the tree shows.
CString CPlaceholderView::WindowCaption() const
{
    const CProjectDoc& project = CProjectDocument::FromDocument(GetDocument())->GetProject();
    CString sPage = TableGroupLabelOf(project.m_ReportInfo, m_nViewKind);
    for (const CTreeNodeSpec& node : ResultNodesOf(project.m_ReportInfo)) {
        if (node.m_dwData == static_cast<DWORD_PTR>(m_nViewKind))
            sPage = node.m_sText;
    }
    return project.m_ReportInfo.m_sTreeTitle + " - " + sPage;
}
