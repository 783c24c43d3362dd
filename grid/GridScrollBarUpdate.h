#pragma once
// What a scroll bar of the grid shows after an update: its range and page
// when they changed, and its position when the view moved (the bar then
// tells the control with OnViewMoved).

struct GridScrollBarUpdate {
    bool bSetRange = false;
    int nMin = 0;
    int nMax = 0;
    int nPage = 0;
    bool bSetPosition = false;
    int nPosition = 0;
    // The horizontal bar got a new range while it has no room: lay out again.
    bool bLayOutAgain = false;
};
