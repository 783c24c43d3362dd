#include "CTKBitmapMenuOrganizer.h"

BOOL CTKBitmapMenuOrganizer::AttachFrameWnd(CFrameWnd* pFrameWnd)
{
    if (pFrameWnd == nullptr || m_pFrameWnd != nullptr)
        return FALSE;
    m_pFrameWnd = pFrameWnd;
    return TRUE;
}

BOOL CTKBitmapMenuOrganizer::AutoSetMenuImage()
{
    return m_pFrameWnd != nullptr;
}
