#pragma once
// Classes in this file: CProjectTreeSink, the tree as a project document
// sees it: one leaf per filed record under the group of its table, found by
// the record's list position; a batch of records is shown in one go.

#include "afx.h"

class CProjectTreeSink {
public:
    virtual ~CProjectTreeSink() = default;

    virtual void AddMeasurementItem(int nTableId, POSITION pos, const CString& sText) = 0;
    virtual void RemoveMeasurementItem(int nTableId, POSITION pos) = 0;
    virtual void UpdateMeasurementItem(int nTableId, POSITION pos, const CString& sText) = 0;
    // Leaves filed between the two are laid out and drawn once, at the end.
    virtual void BeginBatch() {}
    virtual void EndBatch() {}
};
