#pragma once
// Classes in this file: CMultiplotReportGrid, the report page of a
// multiplot project. For now it is the base report page with the three
// operations the report view drives on it: the legend of the curves' line
// samples, the graph cell's preparation and the copy of the whole page as
// a picture. The multiplot page's own layout and legend come with the
// multiplot window.

#include "reports/ReportGrid.h"

class CMultiplotReportGrid : public CReportGrid {
public:
    // The legend of the curves' line samples: the base page has none.
    virtual void DrawLegend();
    // Prepares the graph cell that plays the report's graph file; octave
    // data is drawn with six points.
    virtual void SetGraphCell(bool bOctaveData);
    // The whole page as an enhanced metafile on the clipboard; 1 when it
    // could not be made or put there.
    virtual int CopyPageToClipboard();
};
