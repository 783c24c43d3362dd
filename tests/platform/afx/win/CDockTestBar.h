#pragma once
// Classes in this file: CDockTestBar, a control bar of a fixed size (its
// length and thickness swap on a vertical edge), so that the docking tests
// know every bar's rectangle.

#include "afxwin.h"

class CDockTestBar : public CControlBar {
public:
    explicit CDockTestBar(CSize sizeHorz) : m_sizeHorz(sizeHorz) {}

    BOOL Create(CFrameWnd* pFrame, LPCTSTR lpszName, DWORD dwBarStyle, UINT nID);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    int m_nIdleUpdates = 0;

private:
    CSize m_sizeHorz;
};
