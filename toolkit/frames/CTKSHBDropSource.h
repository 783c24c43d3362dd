#pragma once
// Classes in this file: CTKSHBDropSource, the drop source of the toolkit's
// customisable windows: it asks its owner window at each step of a drag
// (CTKDropParams) and behaves as the plain drop source where the owner does
// not answer.

#include "afxwin.h"
#include "COleDropSource.h"

class CTKSHBDropSource : public COleDropSource {
public:
    CTKSHBDropSource() = default;

    SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override;
    SCODE GiveFeedback(DROPEFFECT dropEffect) override;
    BOOL OnBeginDrag(CWnd* pWnd) override;

    CWnd* m_pOwner = nullptr;  // set before a drag starts
};
