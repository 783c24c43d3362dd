#pragma once
// Classes in this file: CTreeBarClipboardHost, what the tree's copy, paste
// and drag-copy find in the program: the items of the tree bar, the
// application's copy buffer, and their messages as information boxes. It
// remembers whether a project's description was copied in this run.

#include "import/TreeClipboardHost.h"

#include <windows.h>
#include <commctrl.h>

class CTreeDlg;

class CTreeBarClipboardHost : public CTreeClipboardHost {
public:
    explicit CTreeBarClipboardHost(CTreeDlg& treeBar) : m_treeBar(treeBar) {}
    CTreeBarClipboardHost(const CTreeBarClipboardHost&) = delete;
    CTreeBarClipboardHost& operator=(const CTreeBarClipboardHost&) = delete;

    // The item as the rules see it; an empty view for a null item.
    CTreeItemView ViewOf(HTREEITEM hItem);
    bool IsDescriptionCopied() const { return m_bDescriptionCopied; }

    CTreeItemView GetSelection() override;
    CMeasurementList& GetCopiedRecords() override;
    CReportInfo& GetCopiedReportInfo() override;
    CCalc& GetCopiedCalc() override;
    void SetDescriptionCopied() override { m_bDescriptionCopied = true; }
    void ShowTreeMessage(UINT nIdPrompt) override;

private:
    CTreeDlg& m_treeBar;
    bool m_bDescriptionCopied = false;
};
