#include "TreeDropTarget.h"

#include "AfxOleInit.h"
#include "COleMessageFilter.h"
#include "DroppedFileList.h"
#include "MultiTree.h"
#include "TreeFileImporter.h"

#include "AfxFormatString.h"
#include "afxwin.h"
#include "res/resource.h"

#include "import/TreeItemData.h"

namespace {

// The results folder and the result tables 130 and 131 take no files.
constexpr DWORD_PTR kResultTableLab = 130;
constexpr DWORD_PTR kResultTableWithout = 131;

// Switches the OLE busy and not-responding dialogs off for its lifetime.
class CQuietMessageFilter {
public:
    CQuietMessageFilter() : m_pFilter(AfxOleGetMessageFilter()) { Enable(FALSE); }
    ~CQuietMessageFilter() { Enable(TRUE); }
    CQuietMessageFilter(const CQuietMessageFilter&) = delete;
    CQuietMessageFilter& operator=(const CQuietMessageFilter&) = delete;

private:
    void Enable(BOOL bEnable)
    {
        if (m_pFilter == nullptr)
            return;
        m_pFilter->EnableBusyDialog(bEnable);
        m_pFilter->EnableNotRespondingDialog(bEnable);
    }
    COleMessageFilter* m_pFilter;
};

}  // namespace

BOOL CTreeDropTarget::Register(CMultiTree* pTree, CWnd* pWnd)
{
    m_pTree = pTree;
    return COleDropTarget::Register(pWnd);
}

DROPEFFECT CTreeDropTarget::OnDragEnter(CWnd* /*pWnd*/, COleDataObject* pDataObject, DWORD /*dwKeyState*/,
                                        CPoint /*point*/)
{
    m_hDropItem = nullptr;
    m_bCanDrop = m_pTree != nullptr && pDataObject->IsDataAvailable(CF_HDROP);
    return m_bCanDrop ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

DROPEFFECT CTreeDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* /*pDataObject*/, DWORD /*dwKeyState*/,
                                       CPoint point)
{
    if (!m_bCanDrop)
        return DROPEFFECT_NONE;
    const HTREEITEM hItem = HitItem(pWnd, point);
    m_hDropItem = CanTakeFiles(hItem) ? hItem : nullptr;
    m_pTree->SetDropHighlight(m_hDropItem);
    return m_hDropItem != nullptr ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

BOOL CTreeDropTarget::OnDrop(CWnd* /*pWnd*/, COleDataObject* pDataObject, DROPEFFECT /*dropEffect*/,
                             CPoint /*point*/)
{
    m_pTree->SetDropHighlight(nullptr);
    m_bCanDrop = false;
    const HGLOBAL hFileList = FetchFileList(pDataObject);
    if (hFileList == nullptr)
        return FALSE;
    if (m_hDropItem != nullptr)
        m_pTree->SelectItem(m_hDropItem);
    CStringArray paths;
    CStringArray missing;
    CDroppedFileList::Collect(static_cast<HDROP>(hFileList), paths, missing);
    ::GlobalFree(hFileList);
    ReportMissing(missing);
    if (CTreeFileImporter* pImporter = m_pTree->GetFileImporter())
        pImporter->ImportFiles(paths);
    return TRUE;
}

// Each with its full name: a path too long for the system is named as dropped.
void CTreeDropTarget::ReportMissing(const CStringArray& missing)
{
    for (INT_PTR i = 0; i < missing.GetSize(); ++i) {
        CString sText;
        AfxFormatString1(sText, AFX_IDP_FILE_NOT_FOUND, missing[i]);
        AfxMessageBox(sText, MB_OK | MB_ICONEXCLAMATION);
    }
}

// The point comes in the client coordinates of the registered window.
HTREEITEM CTreeDropTarget::HitItem(CWnd* pWnd, CPoint point) const
{
    pWnd->ClientToScreen(&point);
    m_pTree->ScreenToClient(&point);
    return m_pTree->HitTest(point);
}

bool CTreeDropTarget::CanTakeFiles(HTREEITEM hItem) const
{
    if (hItem == nullptr || !m_pTree->ItemHasChildren(hItem))
        return false;
    const DWORD_PTR dwData = m_pTree->GetItemData(hItem);
    return dwData != kItemWorkspace && dwData != kItemResults && dwData != kResultTableLab &&
           dwData != kResultTableWithout;
}

// The drop's own file list, else the clipboard's.
HGLOBAL CTreeDropTarget::FetchFileList(COleDataObject* pDataObject)
{
    CQuietMessageFilter quiet;
    if (HGLOBAL hFileList = pDataObject->GetGlobalData(CF_HDROP))
        return hFileList;
    COleDataObject clipboard;
    return clipboard.AttachClipboard() ? clipboard.GetGlobalData(CF_HDROP) : nullptr;
}
