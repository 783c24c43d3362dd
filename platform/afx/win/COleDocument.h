#pragma once
// Classes in this file: COleDocument, a document that can hold OLE items: it
// keeps the application alive while it exists (one application lock) and
// enables Paste and Paste Link when the clipboard holds an object to embed
// or link.

#include "CDocument.h"

class CCmdUI;

class COleDocument : public CDocument {
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument();
    ~COleDocument() override;

protected:
    afx_msg void OnUpdatePasteMenu(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePasteLinkMenu(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
