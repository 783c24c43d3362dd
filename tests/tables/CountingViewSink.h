#pragma once
// Classes in this file: CCountingViewSink, the project's windows as its
// document sees them, counting the view updates (one per recalculation) and
// passing them on; while it lives it stands between the document and them.

#include "app/VestolarDoc.h"
#include "model/ProjectViewSink.h"

class CCountingViewSink : public CProjectViewSink {
public:
    explicit CCountingViewSink(CVestolarDoc* pDoc) : m_pDoc(pDoc) { pDoc->GetProject().SetViewSink(this); }
    ~CCountingViewSink() override { m_pDoc->GetProject().SetViewSink(m_pDoc); }
    void UpdateAllViews(int nHint) override
    {
        ++m_nUpdates;
        static_cast<CProjectViewSink*>(m_pDoc)->UpdateAllViews(nHint);
    }
    void ShowView(int nViewKind, BOOL bTable, BOOL bVisible) override
    {
        static_cast<CProjectViewSink*>(m_pDoc)->ShowView(nViewKind, bTable, bVisible);
    }
    void ShowMessage(UINT nIdPrompt) override { static_cast<CProjectViewSink*>(m_pDoc)->ShowMessage(nIdPrompt); }
    int m_nUpdates = 0;

private:
    CVestolarDoc* m_pDoc;
};
