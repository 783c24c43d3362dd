#include "RiroLinkFixture.h"

#include "instrument/RiroStartDlg.h"

#include "afxwin.h"

namespace {

class CRiroTestApp : public CWinApp {
public:
    CRiroTestApp() : CWinApp("Riro Test") {}
};

CRiroTestApp s_app;


} // namespace

// 21 bands from 50 Hz, nFirstValue + 0.5 dB upwards; band nFlagged with chFlag.
std::string CRiroLinkFixture::LeqBands(int nFirstValue, int nFlagged, char chFlag)
{
    std::string sBands;
    for (int i = 0; i <= 20; ++i) {
        char szField[16];
        std::snprintf(szField, sizeof(szField), "%s%c%5.1f", i == 0 ? "" : ",", i == nFlagged ? chFlag : ' ',
                      nFirstValue + i + 0.5);
        sBands += szField;
    }
    return sBands;
}

void CRiroLinkFixture::SetUp()
{
    static const BOOL bInitialised = AfxWinInit(::GetModuleHandle(nullptr), nullptr, SW_SHOWNORMAL);
    ASSERT_TRUE(bInitialised);
    s_app.GetSettingsStore()->WriteString("Riro", nullptr, nullptr);
    s_app.WriteProfileInt("Riro", "m_nCom", CRiroSimulator::kPort);
    m_answers.clear();
    m_boxes.clear();
    CSerialPort::SetByteTimeout(kTestByteTimeout);
    CRiroStartDlg::SetStepDuration(0);
    AfxSetMessageBoxHook([this](LPCTSTR lpszText, LPCTSTR, UINT) {
        m_boxes.push_back(lpszText);
        if (m_answers.empty())
            return IDOK;
        auto answer = m_answers.front();
        m_answers.pop_front();
        if (answer.second)
            answer.second();
        return answer.first;
    });
    m_analyser.Script({
        {"EST?", "S@"},
        {"MST?", "S"},
        {"GCM?", "1,1"},
        {"IAS? 1,1,1", "1,120,-26.40"},
        {"IAS? 2,1,1", "2,080,-30.10"},
        {"FLM? 1, 1", "5.00e+01,5.00e+03,20"},
        {"SWV?", "V1.23"},
        {"LEQ? 1,1,50,1,1", "  40.5"},
        {"LEQ? 1,1,50,21,1", LeqBands(40)},
        {"LEQ? 1,2,50,1,1", "  30.5"},
        {"LEQ? 1,2,50,21,1", LeqBands(30)},
        {"IAS? 0,1,1", "1,120,-26.40,2,080,    -26.40"},
    });
    m_analyser.TakeTranscript();
}

void CRiroLinkFixture::TearDown()
{
    AfxSetMessageBoxHook(nullptr);
}

void CRiroLinkFixture::StartFailureCase(const CRiroSimulator::CRules& rules)
{
    SetUp();
    m_analyser.Change(rules);
    Answer(IDNO);
}

void CRiroLinkFixture::Answer(int nAnswer, std::function<void()> action)
{
    m_answers.emplace_back(nAnswer, std::move(action));
}

std::string CRiroLinkFixture::Text(UINT nID)
{
    CString sText;
    sText.LoadString(nID);
    return static_cast<LPCTSTR>(sText);
}

void CRiroLinkFixture::PressButton(HWND hDlg, int nID)
{
    ::SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, nID)));
}
