#pragma once
// Classes in this file: CTKSHBDropSource, the drop source of the toolkit's
// customisable windows: it asks its owner window at each step of a drag and
// behaves as the plain drop source where the owner does not answer.
// Stand-in: the plain drop source.

#include "afxwin.h"

class CTKSHBDropSource : public COleDropSource {
public:
    CTKSHBDropSource() = default;

    CWnd* m_pOwner = nullptr;  // set before a drag starts
};
