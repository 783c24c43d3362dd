#pragma once
// Classes in this file: CMultiDocTemplate, a template of an MDI program: any
// number of documents, each in its own child frames, with the menu and
// accelerators that the main frame shows while one of its frames is active.

#include "CDocTemplate.h"

class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override;

    POSITION GetFirstDocPosition() const override { return m_docList.GetHeadPosition(); }
    CDocument* GetNextDoc(POSITION& rPos) const override { return m_docList.GetNext(rPos); }
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    void LoadTemplate() override;
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // "DocName1", "DocName2", ... or the untitled text without a document name.
    void SetDefaultTitle(CDocument* pDocument) override;

    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelTable = nullptr;

protected:
    CList<CDocument*, CDocument*> m_docList;  // in the order the documents were made
    UINT m_nUntitledCount = 0;
};
