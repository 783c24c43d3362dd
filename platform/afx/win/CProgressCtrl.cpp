#include "CProgressCtrl.h"

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(PROGRESS_CLASS, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper) { ::SendMessage(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
void CProgressCtrl::SetRange32(int nLower, int nUpper) { ::SendMessage(m_hWnd, PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper); }

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    PBRANGE range = {};
    ::SendMessage(m_hWnd, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::GetPos() const { return static_cast<int>(::SendMessage(m_hWnd, PBM_GETPOS, 0, 0)); }
int CProgressCtrl::SetPos(int nPos) { return static_cast<int>(::SendMessage(m_hWnd, PBM_SETPOS, static_cast<WPARAM>(nPos), 0)); }
int CProgressCtrl::OffsetPos(int nPos) { return static_cast<int>(::SendMessage(m_hWnd, PBM_DELTAPOS, static_cast<WPARAM>(nPos), 0)); }
int CProgressCtrl::SetStep(int nStep) { return static_cast<int>(::SendMessage(m_hWnd, PBM_SETSTEP, static_cast<WPARAM>(nStep), 0)); }
int CProgressCtrl::StepIt() { return static_cast<int>(::SendMessage(m_hWnd, PBM_STEPIT, 0, 0)); }
