#pragma once
// Classes in this file: CGRHScroll, the horizontal scroll bar of a grid
// control (child id 7): its position follows the left column, and its
// messages move the left column. The arithmetic is CGRHScrollModel's.

#include "CGRHScrollModel.h"
#include "CGRScrollBar.h"

class CGRHScroll : public CGRScrollBar {
public:
    explicit CGRHScroll(CGRCtrl* pCtrl);

    void Update() override;
    // The column the dragged thumb stands for (the hint's column).
    int GetTrackedCol() const;

    // The hint above the thumb: bottom above the bar, centred on the
    // pointer; at least this wide.
    static constexpr int kHintFlags = 20;
    static constexpr int kHintMinWidth = 20;

protected:
    void MoveView(int nCode) override;
    void ThumbReleased(int nPosition) override;
    void ThumbDragged(int nPosition) override;
    BOOL AreHintsOn() const override;

private:
    CGRHScrollModel m_model;
    int m_nTrackedCol = 0;
};
