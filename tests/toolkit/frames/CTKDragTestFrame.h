#pragma once
// Classes in this file: CTKDragTestFrame, the test main frame that answers
// the sizable bars' immediate-drag query as a test sets it, and floats
// bars in the sizable floating frame.

#include "CTKTestMainFrame.h"

class CTKDragTestFrame : public CTKTestMainFrame {
public:
    CTKDragTestFrame();

    LRESULT m_lImmediateDrag = 0;  // the answer to the immediate-drag query

protected:
    afx_msg LRESULT OnQueryImmediateDrag(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
