#include "CTKTabClientWnd.h"

BOOL CTKTabClientWnd::Attach(CMDIFrameWnd* pFrameWnd, DWORD)
{
    if (pFrameWnd == nullptr || m_pFrameWnd != nullptr || pFrameWnd->m_hWndMDIClient == nullptr)
        return FALSE;
    m_pFrameWnd = pFrameWnd;
    return TRUE;
}
