#include "CDocTemplate.h"

#include "CCreateContext.h"
#include "CDocument.h"
#include "CFrameWnd.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass)
{
}

CDocTemplate::~CDocTemplate() = default;

// The resources are read when the template is made, so a language DLL set
// before then supplies them.
void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    rString.Empty();
    int nStart = 0;
    for (int i = 0; i < index; ++i) {
        nStart = m_strDocStrings.Find('\n', nStart);
        if (nStart < 0)
            return FALSE;
        ++nStart;
    }
    int nEnd = m_strDocStrings.Find('\n', nStart);
    rString = nEnd < 0 ? m_strDocStrings.Mid(nStart) : m_strDocStrings.Mid(nStart, nEnd - nStart);
    return TRUE;
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

// An open document with the same path wins; else a path ending in the
// template's extension is this template's own.
CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = nullptr;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument* pDoc = GetNextDoc(pos);
        if (pDoc->GetPathName().CompareNoCase(lpszPathName) == 0) {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString sExt;
    if (GetDocString(sExt, filterExt) && !sExt.IsEmpty()) {
        CString sPath(lpszPathName);
        if (sPath.GetLength() >= sExt.GetLength() && sPath.Right(sExt.GetLength()).CompareNoCase(sExt) == 0)
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == nullptr)
        return nullptr;
    auto* pDocument = static_cast<CDocument*>(m_pDocClass->CreateObject());
    if (pDocument != nullptr)
        AddDocument(pDocument);
    return pDocument;
}

// A failed frame deletes itself; the caller gets null.
CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    if (m_pFrameClass == nullptr)
        return nullptr;
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    auto* pFrame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    if (pFrame == nullptr)
        return nullptr;
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument* pDoc = GetNextDoc(pos);  // the next one before this one goes
        pDoc->OnCloseDocument();
    }
}
