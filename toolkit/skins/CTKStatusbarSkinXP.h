#pragma once
// Classes in this file: CTKStatusbarSkinXP, the status bar of the
// "Office XP" look: flat panes with light frames, the lock indicators in
// the button-text colour while their key is on, a diagonal gripper.

#include "afxwin.h"

#include "CTKStatusbarSkin.h"

class CTKSkinXP;

class CTKStatusbarSkinXP : public CTKStatusbarSkin {
public:
    explicit CTKStatusbarSkinXP(CTKSkinXP* pSkin);

    void DrawStatusBar(CTKStatusBar* pBar) override;
    void DrawPanes(CDC* pDC, CTKStatusBar* pBar) override;
    void DrawPaneFrames(CDC* pDC, CTKStatusBar* pBar) override;
    void DrawGripper(CDC* pDC, CTKStatusBar* pBar) override;
    int GetGripperWidth(CTKStatusBar* pBar) override { return GripperSquare(pBar).Width(); }

protected:
    virtual void FillBackground(CDC* pDC, const CRect& rect);
    virtual void DrawPaneFrame(CDC* pDC, const CRect& rectPane);
    virtual void DrawGripperSquare(CDC* pDC, const CRect& rectSquare);

    // The pane's rectangle; the last one ends after its text.
    static CRect PaneRect(CTKStatusBar* pBar, int nIndex);
    // The gripper's square at the bar's right end; empty where the frame
    // cannot be sized.
    static CRect GripperSquare(CTKStatusBar* pBar);

    CTKSkinXP* m_pSkin;

private:
    void DrawLockIndicator(CDC* pDC, CTKStatusBar* pBar, int nIndex, const CRect& rectPane, int nVirtKey);
};
