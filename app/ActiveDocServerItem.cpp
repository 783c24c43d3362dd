#include "ActiveDocServerItem.h"

#include "ActiveDocServerDoc.h"

IMPLEMENT_DYNAMIC(CActiveDocServerItem, COleDocObjectItem)

CActiveDocServerItem::CActiveDocServerItem(CActiveDocServerDoc* pContainer) : COleDocObjectItem(pContainer) {}

void CActiveDocServerItem::OnChange(OLE_NOTIFICATION nCode, DWORD dwParam)
{
    COleDocObjectItem::OnChange(nCode, dwParam);
    GetDocument()->UpdateAllViews(nullptr);
}

// An object that shows itself only while its user interface is active
// (not inside-out) is hidden when the interface goes.
void CActiveDocServerItem::OnDeactivateUI(BOOL bUndoable)
{
    COleDocObjectItem::OnDeactivateUI(bUndoable);
    DWORD dwMisc = 0;
    if (m_lpObject != nullptr && SUCCEEDED(m_lpObject->GetMiscStatus(DVASPECT_CONTENT, &dwMisc)) &&
        (dwMisc & OLEMISC_INSIDEOUT) == 0)
        DoVerb(OLEIVERB_HIDE);
}
