#pragma once
// Helpers of the framework's window tests: running the message queue, and a
// message-box hook that records each box and answers as the test scripts.

#include "afxwin.h"

#include <deque>
#include <string>
#include <vector>

// Dispatches every queued message (through the application's
// PreTranslateMessage, as its loop does), then lets idle processing run.
void PumpMessages(BOOL bIdle = TRUE);

// Starts the application in the test process as the program starts it: no
// arguments, InitInstance, then the queued messages. FALSE when
// InitInstance refused to start.
BOOL StartTestApplication(CWinApp& app);
// Ends it as the program ends: the documents closed without a question, the
// main window destroyed, its last messages handled, then ExitInstance.
void EndTestApplication(CWinApp& app);
// Drops what is still queued once the application object is gone.
void DiscardMessages();

class CMessageBoxRecorder {
public:
    CMessageBoxRecorder();
    ~CMessageBoxRecorder();
    CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
    CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

    // The answers of the next boxes; IDOK once they are used up.
    void Answer(std::initializer_list<int> answers) { m_answers.insert(m_answers.end(), answers); }

    struct Box {
        std::string sText;
        std::string sCaption;
        UINT nType;
    };
    std::vector<Box> m_boxes;

private:
    std::deque<int> m_answers;
};
