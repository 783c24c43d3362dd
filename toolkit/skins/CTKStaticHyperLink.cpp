#include "CTKStaticHyperLink.h"

IMPLEMENT_DYNAMIC(CTKStaticHyperLink, CStatic)

void CTKStaticHyperLink::SetAction(int nAction, LPCTSTR lpszTarget, LPCTSTR lpszParameters,
                                   LPCTSTR lpszDirectory, int nShowCmd, UINT nMessageID, HWND hWndMessage)
{
    m_action.m_nAction = nAction;
    m_action.m_sTarget = lpszTarget ? lpszTarget : "";
    m_action.m_sParameters = lpszParameters ? lpszParameters : "";
    m_action.m_sDirectory = lpszDirectory ? lpszDirectory : "";
    m_action.m_nShowCmd = nShowCmd;
    m_action.m_nMessageID = nMessageID;
    m_action.m_hWndMessage = hWndMessage;
}
