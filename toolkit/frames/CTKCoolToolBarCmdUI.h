#pragma once
// Classes in this file: CTKCoolToolBarCmdUI, the idle update of a cool
// toolbar's button: enable and check state, written to the control only
// when they change, so an idle pass repaints nothing that stayed the same.

#include "afxwin.h"

class CTKCoolToolBarCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;

private:
    BYTE GetState() const;
    void SetState(BYTE fsState);
};
