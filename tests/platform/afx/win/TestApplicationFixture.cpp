#include "TestApplicationFixture.h"

#include "CTestChildFrame.h"
#include "TestEvents.h"

void CTestApplicationTest::SetUp()
{
    TestEvents().clear();
    CTestChildFrame::s_bOwnCaption = FALSE;
    CTestChildFrame::s_bMaximized = FALSE;
    m_pApp = std::make_unique<CTestApp>();
    ASSERT_TRUE(StartTestApplication(*m_pApp));
}

void CTestApplicationTest::TearDown()
{
    if (m_pApp == nullptr)
        return;
    EndTestApplication(*m_pApp);
    m_pApp.reset();
    DiscardMessages();
}

CTestDoc* CTestApplicationTest::NewDocument()
{
    return static_cast<CTestDoc*>(App().m_pMainTemplate->OpenDocumentFile(nullptr));
}

CTestView* CTestApplicationTest::ShowTableView(CTestDoc* pDoc, BOOL bVisible)
{
    CFrameWnd* pFrame = App().m_pTableTemplate->CreateNewFrame(pDoc, nullptr);
    if (pFrame == nullptr)
        return nullptr;
    App().m_pTableTemplate->InitialUpdateFrame(pFrame, pDoc, TRUE);
    if (!bVisible)
        pFrame->ActivateFrame(SW_HIDE);
    return static_cast<CTestView*>(pFrame->GetActiveView());
}

CTestView* CTestApplicationTest::FirstView(CDocument* pDoc)
{
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos ? static_cast<CTestView*>(pDoc->GetNextView(pos)) : nullptr;
}

int CTestApplicationTest::ViewCount(CDocument* pDoc)
{
    int nCount = 0;
    for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr; ++nCount)
        pDoc->GetNextView(pos);
    return nCount;
}
