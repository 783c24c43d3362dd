// The tree bar's Copy and Paste and its drag-copy: the rules are in
// import/ (CTreeCopy, CMeasurementPaste, CDescriptionPaste, CTreeDrop); here
// the clipboard is read and written and the commands are enabled.

#include "TreeDlg.h"

#include "DroppedFileList.h"
#include "VestolarApp.h"

#include "import/DescriptionPaste.h"
#include "import/MeasurementPaste.h"
#include "import/PasteTextRule.h"
#include "import/ReviewPaste.h"
#include "import/TreeCopy.h"
#include "import/TreeDrop.h"
#include "import/TreeItemData.h"
#include "model/ProjectDoc.h"
#include "model/ViewKinds.h"
#include "res/resource.h"

namespace {

const char kDragDropArchive[] = "\\~dragdrop.tmp";
const char kReviewFormatName[] = "Kelsight.L(f).Data";

bool IsReviewFormat(UINT nFormat)
{
    char szName[257] = {};
    return ::GetClipboardFormatName(nFormat, szName, sizeof szName) > 0 && strcmp(szName, kReviewFormatName) == 0;
}

// Whether the open clipboard holds the review program's records.
bool HoldsReviewRecords()
{
    for (UINT nFormat = ::EnumClipboardFormats(0); nFormat != 0; nFormat = ::EnumClipboardFormats(nFormat)) {
        if (IsReviewFormat(nFormat))
            return true;
    }
    return false;
}

// Files the records of every review block of the open clipboard; a block
// that cannot be had or locked is passed over.
void PasteReviewBlocks(CReviewPaste& paste)
{
    for (UINT nFormat = ::EnumClipboardFormats(0); nFormat != 0; nFormat = ::EnumClipboardFormats(nFormat)) {
        if (!IsReviewFormat(nFormat))
            continue;
        HANDLE hBlock = ::GetClipboardData(nFormat);
        const auto* pBlock = hBlock != nullptr ? static_cast<const std::uint8_t*>(::GlobalLock(hBlock)) : nullptr;
        if (pBlock == nullptr)
            continue;
        paste.Paste(ReadReviewRecords(pBlock, ::GlobalSize(hBlock)));
        ::GlobalUnlock(hBlock);
    }
}

bool IsCorrectionTable(DWORD_PTR dwData)
{
    return dwData == kViewKindBgnCorrectionTable || dwData == kViewKindFtmCorrectionTable;
}

// The clipboard's text, read while it is open; empty without one.
CString ClipboardText()
{
    HANDLE hText = ::GetClipboardData(CF_TEXT);
    const char* pText = hText != nullptr ? static_cast<const char*>(::GlobalLock(hText)) : nullptr;
    if (pText == nullptr)
        return CString();
    const CString sText(pText);
    ::GlobalUnlock(hText);
    return sText;
}

bool PutClipboardText(const CString& sText)
{
    const SIZE_T nBytes = static_cast<SIZE_T>(sText.GetLength()) + 1;
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, nBytes);
    if (hText == nullptr)
        return false;
    memcpy(::GlobalLock(hText), static_cast<LPCTSTR>(sText), nBytes);
    ::GlobalUnlock(hText);
    ::EmptyClipboard();
    if (::SetClipboardData(CF_TEXT, hText) != nullptr)
        return true;
    ::GlobalFree(hText);
    return false;
}

}  // namespace

void CTreeDlg::OnEditCopy()
{
    CString sReport;
    if (!CTreeCopy(m_clipboardHost).Copy(sReport))
        return;
    if (!OpenClipboard())
        return;
    PutClipboardText(sReport);
    ::CloseClipboard();
}

// Not for the correction tables, which hold no measurements.
void CTreeDlg::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    pCmdUI->Enable(!IsCorrectionTable(item.m_dwData) && IsWorkingOnProjectItem(item));
}

// A file list first, then the review program's records, then a text.
void CTreeDlg::OnEditPaste()
{
    if (!OpenClipboard())
        return;
    if (HANDLE hDrop = ::GetClipboardData(CF_HDROP)) {
        // A path that names nothing stays in its place: the import names it.
        CStringArray paths;
        CDroppedFileList::Collect(static_cast<HDROP>(hDrop), paths, paths);
        ::CloseClipboard();
        ImportFiles(paths);
        return;
    }
    if (HoldsReviewRecords()) {
        ::CloseClipboard();
        PasteReviewData();
        return;
    }
    const CString sText = ClipboardText();
    ::CloseClipboard();
    PasteText(sText);
}

// The table is chosen (perhaps in the assignment dialog) with the clipboard
// closed, then the blocks are read.
void CTreeDlg::PasteReviewData()
{
    CReviewPaste paste(m_importHost);
    if (!paste.ChooseTable())
        return;
    if (OpenClipboard()) {
        PasteReviewBlocks(paste);
        ::CloseClipboard();
    }
    paste.Finish();
}

void CTreeDlg::PasteText(const CString& sText)
{
    switch (PasteTextActionOf(sText, m_clipboardHost.IsDescriptionCopied())) {
    case EPasteTextAction::ImportDragDropArchive: {
        CStringArray paths;
        paths.Add(static_cast<CVestolarApp*>(AfxGetApp())->m_sDataDir + kDragDropArchive);
        ImportFiles(paths);
        break;
    }
    case EPasteTextAction::DescriptionThenRecords:
        PasteProjectDescription();
        PasteMeasurements();
        break;
    case EPasteTextAction::Records:
        PasteMeasurements();
        break;
    case EPasteTextAction::Description:
        PasteProjectDescription();
        break;
    case EPasteTextAction::Invalid:
        m_clipboardHost.ShowTreeMessage(IDS_INVALID_DATA_FORMAT);
        break;
    }
}

// The report and the result table take a project's description and
// results; elsewhere only items with children take a paste.
void CTreeDlg::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    CTreeItemRecord item;
    GetSelectedItem(item);
    if (IsCorrectionTable(item.m_dwData))
        pCmdUI->Enable(FALSE);
    else if (item.m_dwData == kItemTestReport || item.m_dwData == kItemResultTable)
        pCmdUI->Enable(TRUE);
    else
        pCmdUI->Enable(IsWorkingOnProjectItem(item) && item.m_bHasChildren);
}

// No label is being edited, a project was opened in this workspace, and an
// item other than the workspace item is selected.
bool CTreeDlg::IsWorkingOnProjectItem(const CTreeItemRecord& item)
{
    return m_wndTree.GetEditControl() == nullptr && CProjectDoc::GetProjectCounter() >= 1 &&
        item.m_hItem != nullptr && item.m_dwData != kItemWorkspace;
}

int CTreeDlg::PasteMeasurements()
{
    return CMeasurementPaste(m_clipboardHost).PasteMeasurements();
}

int CTreeDlg::PasteProjectDescription()
{
    return CDescriptionPaste(m_clipboardHost).PasteProjectDescription();
}

// The tree selected the drop target; the dragged item is still known.
LRESULT CTreeDlg::OnTreeDrop(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (HTREEITEM hDragged = m_wndTree.GetDragItem())
        CTreeDrop(m_clipboardHost).Drop(m_clipboardHost.ViewOf(hDragged));
    return 0;
}
