#pragma once
// Classes in this file: CMultiplotWindowTest, the fixture of the multiplot
// table window's tests: a multiplot project with curves "C1", "C2", ...
// and its table window opened.

#include "tests/tables/TableWindowFixture.h"

#include "multiplot/MultiplotTabView.h"

class CMultiplotWindowTest : public CTableWindowTest {
protected:
    // A multiplot project "P" of the graph type.
    CVestolarDoc* MultiplotProject(int nGraphType);
    // Curves "C1" to "C<nCount>", curve n with 49 + n dB at 100 Hz.
    void AddCurves(CVestolarDoc* pDoc, int nCount);
    // The project's table window, maximised; null when it did not open.
    CMultiplotTabView* OpenMultiplot(CVestolarDoc* pDoc);
    static CMeasurementList& Curves(CVestolarDoc* pDoc);
};
