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
