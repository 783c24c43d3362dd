#include "TestSupport.h"

#include "TestEvents.h"

std::vector<std::string>& TestEvents()
{
    static std::vector<std::string> events;
    return events;
}

void PumpMessages(BOOL bIdle)
{
    CWinApp* pApp = AfxGetApp();
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (pApp == nullptr || !pApp->PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    if (bIdle && pApp != nullptr) {
        for (LONG lCount = 0; pApp->OnIdle(lCount); ++lCount) {
        }
    }
}

BOOL StartTestApplication(CWinApp& app)
{
    static char szNoArguments[] = "";
    if (!AfxWinInit(::GetModuleHandle(nullptr), szNoArguments, SW_SHOWNORMAL) || !app.InitInstance())
        return FALSE;
    PumpMessages();
    return TRUE;
}

void EndTestApplication(CWinApp& app)
{
    app.CloseAllDocuments(FALSE);
    if (app.m_pMainWnd != nullptr)
        app.m_pMainWnd->DestroyWindow();
    PumpMessages();
    app.ExitInstance();
}

void DiscardMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

CMessageBoxRecorder::CMessageBoxRecorder()
{
    AfxSetMessageBoxHook([this](LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
        m_boxes.push_back({lpszText, lpszCaption, nType});
        if (m_answers.empty())
            return IDOK;
        int nAnswer = m_answers.front();
        m_answers.pop_front();
        return nAnswer;
    });
}

CMessageBoxRecorder::~CMessageBoxRecorder()
{
    AfxSetMessageBoxHook({});
}
