#pragma once
// Classes in this file: CDialogBar, a bar whose window is a dialog made from
// a template of the resource module: its controls sit in the bar, their
// commands go to the frame, and at idle each control takes the state of its
// command. Docked on a vertical edge it keeps the template's width and runs
// the height of the edge; on a horizontal one it keeps the height.

#include "CControlBar.h"

class CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar();

// Creation
    // nStyle: the bar style (CBRS_LEFT, ...); the template gives the window
    // styles and must make a child window. The bar shows at once.
    BOOL Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
    {
        return Create(pParentWnd, MAKEINTRESOURCE(nIDTemplate), nStyle, nID);
    }

// Overridables
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    CSize m_sizeDefault;  // the template's size
};
