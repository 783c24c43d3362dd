#pragma once
// Classes in this file: CGRVScroll, the vertical scroll bar of a grid
// control (child id 6): its position follows the top row, and its messages
// move the top row. The arithmetic is CGRVScrollModel's.

#include "CGRScrollBar.h"
#include "CGRVScrollModel.h"

class CGRVScroll : public CGRScrollBar {
public:
    explicit CGRVScroll(CGRCtrl* pCtrl);

    void Update() override;
    // The row the dragged thumb stands for (the hint's row).
    int GetTrackedRow() const;

    // The hint beside the thumb: right edge left of the bar, centred on the
    // pointer; at least this wide.
    static constexpr int kHintFlags = 34;
    static constexpr int kHintMinWidth = 40;

protected:
    void MoveView(int nCode) override;
    void ThumbReleased(int nPosition) override;
    void ThumbDragged(int nPosition) override;
    void AfterScroll() override;
    BOOL AreHintsOn() const override;

private:
    CGRVScrollModel m_model;
    int m_nTrackedRow = 0;
};
