#pragma once
// Classes in this file: COleDropSource, the source side of an OLE drag. It
// waits for the mouse to leave a small rectangle around the press, or for the
// drag delay to pass, before a drag begins (OnBeginDrag); during the drag OLE
// asks it whether to go on, drop or cancel (QueryContinueDrag) and which
// cursor to show (GiveFeedback). OLE sees it through GetInterface.

#include "CCmdTarget.h"
#include "COleDropTarget.h"
#include "COleOwnedInterface.h"
#include "CRect.h"

class CWnd;

class COleDropSource : public CCmdTarget {
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource() = default;

    // The system's drag settings ("windows" profile section), read once.
    static int nDragMinDist;   // pixels the mouse moves before a drag
    static int nDragDelay;     // milliseconds the button stays down before a drag
    // The timer that ends the drag delay while OnBeginDrag waits.
    static constexpr UINT_PTR nDragDelayTimerID = 10475;

// Overridables
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // pWnd takes the capture while it waits; TRUE when the drag begins.
    virtual BOOL OnBeginDrag(CWnd* pWnd);

// Operations
    IDropSource* GetInterface() { return &m_xDropSource; }

protected:
    BOOL m_bDragStarted = FALSE;
    DWORD m_dwButtonCancel = MK_RBUTTON;  // this button down cancels the drag
    DWORD m_dwButtonDrop = MK_LBUTTON;    // this button's release drops
    CRect m_rectStartDrag;                // screen; the drag begins once the mouse leaves it

    friend class COleDataSource;

private:
    enum WaitStep { waitGoOn, waitDrag, waitCancel };

    void ChooseButtons();
    BOOL WaitForDragStart(CWnd* pWnd);
    WaitStep StepOf(const MSG& msg, HWND hWndWait) const;

    // OLE's view of the source; every call goes to the virtuals above.
    class XDropSource : public COleOwnedInterface<IDropSource, &IID_IDropSource> {
    public:
        explicit XDropSource(COleDropSource* pOwner) : m_pOwner(pOwner) {}
        HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override;
        HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD dwEffect) override;

    private:
        COleDropSource* m_pOwner;
    };
    XDropSource m_xDropSource{this};
};
