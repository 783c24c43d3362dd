#include "MeasGraphWindows.h"

#include "MeasGraphWnd.h"

#include <algorithm>
#include <memory>

CMeasGraphWindows::~CMeasGraphWindows()
{
    CloseAll();
}

// Until it is created the window is the host's to delete; from then on it
// deletes itself when destroyed.
BOOL CMeasGraphWindows::ShowGraph(const CMeasGraphRequest& request)
{
    auto pWnd = std::make_unique<CMeasGraphWnd>(request, *this);
    if (!pWnd->CreateGraph(request.m_sTitle, OwnerOf(request)))
        return FALSE;
    m_aWindows.push_back(pWnd.release());
    return TRUE;
}

// A destroyed window forgets itself; one that refuses is forgotten here.
void CMeasGraphWindows::CloseAll()
{
    while (!m_aWindows.empty()) {
        CMeasGraphWnd* pWnd = m_aWindows.back();
        if (!pWnd->DestroyWindow())
            Forget(pWnd);
    }
}

void CMeasGraphWindows::Forget(CMeasGraphWnd* pWnd)
{
    m_aWindows.erase(std::remove(m_aWindows.begin(), m_aWindows.end(), pWnd), m_aWindows.end());
}

CWnd* CMeasGraphWindows::OwnerOf(const CMeasGraphRequest& request)
{
    CObject* pParent = request.m_pParentWnd;
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CWnd)))
        return nullptr;
    auto* pParentWnd = static_cast<CWnd*>(pParent);
    return pParentWnd->GetSafeHwnd() != nullptr ? pParentWnd->GetTopLevelParent() : nullptr;
}
