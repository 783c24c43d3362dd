#pragma once
// Classes in this file: CDocument, the data behind one or more views. It
// keeps its views in order, tells them of changes (UpdateAllViews), knows
// whether it is modified, and loads and saves itself through an archive.
// It closes itself when its last view goes (m_bAutoDelete).

#include "CCmdTarget.h"

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;

// Attributes
    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

// Views
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const { return m_viewList.GetNext(rPosition); }
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // Every view but pSender gets OnUpdate, hidden views included.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);

// Overridables
    virtual void OnChangedViewList();
    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Writes a temporary file beside the target and replaces the target only
    // with a complete file; on failure the old file is untouched.
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, const CException* e, BOOL bSaving,
                                         UINT nIDPDefault);
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    virtual BOOL SaveModified();
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    virtual void UpdateFrameCounts();
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE;  // deleted when its last view goes
    BOOL m_bEmbedded = FALSE;

// Command handlers
    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CList<CView*, CView*> m_viewList;
    BOOL m_bModified = FALSE;

    friend class CDocTemplate;

private:
    void CollectFrames(CList<CFrameWnd*, CFrameWnd*>& frames, BOOL bVisibleOnly) const;

    DECLARE_MESSAGE_MAP()
};
