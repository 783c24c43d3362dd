#pragma once
// Classes in this file: CDocTemplate, what ties a document class to the
// frame and view classes that show it, with the resource id of their menu,
// accelerators, icon and document strings
// ("\nDocName\nFileNewName\nFilter name\n.ext\nRegistry id\nRegistry name").

#include "CCmdTarget.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    ~CDocTemplate() override;

    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };

// Attributes
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;

// Operations
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual void LoadTemplate();
    void SetContainerInfo(UINT nIDOleInPlaceContainer) { m_nIDContainerResource = nIDOleInPlaceContainer; }
    virtual Confidence MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch);
    virtual CDocument* CreateNewDocument();
    // A frame with a new view of pDoc; pDoc may belong to another template.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    virtual BOOL SaveAllModified();
    // Closes every document; bEndSession FALSE or TRUE, nobody is asked.
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;

    UINT m_nIDResource;
    UINT m_nIDContainerResource = 0;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);
};
