#include "CMultiDocTemplate.h"

#include "AfxMessageBox.h"
#include "CDocument.h"
#include "CFrameWnd.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                     CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
    LoadTemplate();
}

// Documents that outlive the template lose their link to it.
CMultiDocTemplate::~CMultiDocTemplate()
{
    while (!m_docList.IsEmpty())
        RemoveDocument(m_docList.GetHead());
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    if (m_hMenuShared == nullptr)
        m_hMenuShared = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(m_nIDResource));
    if (m_hAccelTable == nullptr)
        m_hAccelTable = ::LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(m_nIDResource));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    POSITION pos = m_docList.Find(pDoc);
    if (pos != nullptr)
        m_docList.RemoveAt(pos);
    CDocTemplate::RemoveDocument(pDoc);
}

// A new document (null path) or one read from a file, in a new frame. On any
// failure the document and its frame are gone and the user has been told.
CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = CreateNewDocument();
    if (pDocument == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }
    const BOOL bAutoDelete = pDocument->m_bAutoDelete;
    pDocument->m_bAutoDelete = FALSE;  // a failed frame must not take the document along
    CFrameWnd* pFrame = CreateNewFrame(pDocument, nullptr);
    pDocument->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        delete pDocument;
        return nullptr;
    }
    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument()) {
            pFrame->DestroyWindow();  // the last view takes the document with it
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        if (!pDocument->OnOpenDocument(lpszPathName)) {
            pFrame->DestroyWindow();
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString sTitle;
    if (GetDocString(sTitle, docName) && !sTitle.IsEmpty()) {
        CString sNumber;
        sNumber.Format("%u", m_nUntitledCount + 1);
        sTitle += sNumber;
    } else {
        sTitle.LoadString(AFX_IDS_UNTITLED);
    }
    pDocument->SetTitle(sTitle);
}
