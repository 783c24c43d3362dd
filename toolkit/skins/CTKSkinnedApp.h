#pragma once
// Classes in this file: CTKSkinnedApp, an application that keeps the
// toolkit's skins by name and one current skin, which every toolkit window
// asks for its part skin at each drawing.

#include "afxwin.h"

#include "CMapStringToPtr.h"
#include "CTKSkin.h"

class CTKSkinnedApp : public CWinApp {
    DECLARE_DYNAMIC(CTKSkinnedApp)
public:
    CTKSkinnedApp();
    ~CTKSkinnedApp() override;

    // The application owns the skin; a skin of a name already there takes
    // the name's place.
    void AddSkin(CTKSkin* pSkin);
    CTKSkin* GetCurrentSkin() const { return m_pCurrentSkin; }
    // The type of the skin last selected (GetType); kept when a selection
    // fails.
    int GetCurrentSkinType() const { return m_nCurrentSkinType; }
    BOOL SetCurrentSkin(LPCTSTR lpszSkinName);

    // The running application, when it is a skinned one; else null.
    static CTKSkinnedApp* GetSkinnedApp();

    static void RedrawWindowTree(CWnd* pWnd);
    static void RedrawFloatingFrames(CWnd* pMainWnd);

private:
    int m_nCurrentSkinType = 0;
    CMapStringToPtr m_mapSkins{10};
    CTKSkin* m_pCurrentSkin = nullptr;
};
