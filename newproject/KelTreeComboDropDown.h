#pragma once
// Classes in this file: KelCTKTreeComboDropDown<TTree>, the program's tree
// drop-down: a click on a category neither chooses it nor closes the
// drop-down, so only methods are picked with the mouse and categories still
// open and close with a click.

#include "newproject/TKTreeComboDropDown.h"

template <class TTree>
class KelCTKTreeComboDropDown : public CTKTreeComboDropDown<TTree> {
protected:
    void OnLButtonDown(UINT nFlags, CPoint point) override;
};
