#include "ActiveDocServerDoc.h"

#include "ActiveDocServerItem.h"
#include "ActiveDocServerView.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CActiveDocServerDoc, COleDocument)

BEGIN_MESSAGE_MAP(CActiveDocServerDoc, COleDocument)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CActiveDocServerDoc::CActiveDocServerDoc() = default;

CActiveDocServerDoc::~CActiveDocServerDoc()
{
    m_pItem.reset();
    DestroyIcons();
}

COleClientItem* CActiveDocServerDoc::GetInPlaceActiveItem(CView* pView) const
{
    if (m_pItem == nullptr || !m_pItem->IsInPlaceActive() || m_pItem->COleClientItem::GetActiveView() != pView)
        return nullptr;
    return m_pItem.get();
}

bool CActiveDocServerDoc::CreateItemFromClass(REFCLSID clsid)
{
    return CreateItem([&](CActiveDocServerItem& item) { return item.CreateNewItem(clsid); });
}

bool CActiveDocServerDoc::CreateItemFromFile(LPCTSTR lpszPath)
{
    return CreateItem([&](CActiveDocServerItem& item) { return item.CreateFromFile(lpszPath); });
}

// The item replaces any earlier one; it is shown in the first view, or,
// while the view is not ready yet, by the view's initial update.
template <class Create>
bool CActiveDocServerDoc::CreateItem(Create create)
{
    BeginWaitCursor();
    m_pItem.reset();
    auto pItem = std::make_unique<CActiveDocServerItem>(this);
    POSITION pos = GetFirstViewPosition();
    auto* pView = pos != nullptr ? static_cast<CActiveDocServerView*>(GetNextView(pos)) : nullptr;
    bool bCreated = create(*pItem) != FALSE;
    if (bCreated && pView != nullptr) {
        pView->m_pSelection = pItem.get();
        bCreated = pItem->Activate(OLEIVERB_SHOW, pView) != FALSE;
        if (!bCreated)
            pView->m_pSelection = nullptr;
    }
    EndWaitCursor();
    if (!bCreated) {
        AfxMessageBox(IDP_FAILED_TO_CREATE);
        return false;
    }
    m_pItem = std::move(pItem);
    TakeLookOfObject();
    return true;
}

// The window shows the object's registered icon, and the window and the
// document are named after the object's application.
void CActiveDocServerDoc::TakeLookOfObject()
{
    POSITION pos = GetFirstViewPosition();
    CView* pView = pos != nullptr ? GetNextView(pos) : nullptr;
    CFrameWnd* pFrame = pView != nullptr ? pView->GetParentFrame() : nullptr;
    DestroyIcons();
    m_hIconLarge = m_pItem->GetIconFromRegistry(FALSE);
    m_hIconSmall = m_pItem->GetIconFromRegistry(TRUE);
    CString sName;
    m_pItem->GetUserType(USERCLASSTYPE_APPNAME, sName);
    if (!sName.IsEmpty())
        SetTitle(sName);
    if (pFrame == nullptr)
        return;
    if (m_hIconLarge != nullptr)
        pFrame->SetIcon(m_hIconLarge, TRUE);
    if (m_hIconSmall != nullptr)
        pFrame->SetIcon(m_hIconSmall, FALSE);
    if (!sName.IsEmpty())
        pFrame->SetWindowText(sName);
}

void CActiveDocServerDoc::DestroyIcons()
{
    for (HICON* phIcon : {&m_hIconLarge, &m_hIconSmall}) {
        if (*phIcon != nullptr)
            ::DestroyIcon(*phIcon);
        *phIcon = nullptr;
    }
}

// An embedded document opened from its file: the file must exist; the
// document starts empty and embeds the file.
BOOL CActiveDocServerDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    if (::GetFileAttributesA(lpszPathName) == INVALID_FILE_ATTRIBUTES) {
        AfxMessageBox(IDP_FAILED_TO_CREATE);
        return FALSE;
    }
    if (!OnNewDocument())
        return FALSE;
    SetPathName(lpszPathName, FALSE);
    return CreateItemFromFile(lpszPathName);
}

void CActiveDocServerDoc::DeleteContents()
{
    m_pItem.reset();
    COleDocument::DeleteContents();
}

// Nothing reads a document of its own: its window saves the workspace.
void CActiveDocServerDoc::OnFileSave()
{
    AfxGetApp()->OnCmdMsg(ID_FILE_SAVE, CN_COMMAND, nullptr, nullptr);
}

void CActiveDocServerDoc::OnFileSaveAs()
{
    AfxGetApp()->OnCmdMsg(ID_FILE_SAVE_AS, CN_COMMAND, nullptr, nullptr);
}
