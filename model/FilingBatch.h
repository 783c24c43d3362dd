#pragma once
// Classes in this file: CFilingBatch, the scope of a batch of records filed
// into a project (a paste, an import): the project's tree shows the new
// leaves once, when the scope ends, instead of laying itself out per leaf.

#include "ProjectDoc.h"
#include "ProjectTreeSink.h"

class CFilingBatch {
public:
    explicit CFilingBatch(CProjectDoc& project) : m_pTree(project.GetTreeSink())
    {
        if (m_pTree != nullptr)
            m_pTree->BeginBatch();
    }
    ~CFilingBatch()
    {
        if (m_pTree != nullptr)
            m_pTree->EndBatch();
    }
    CFilingBatch(const CFilingBatch&) = delete;
    CFilingBatch& operator=(const CFilingBatch&) = delete;

private:
    CProjectTreeSink* m_pTree;
};
