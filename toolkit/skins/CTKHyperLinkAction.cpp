#include "CTKHyperLinkAction.h"

#include "AfxShell.h"

namespace {

UINT ActionNameID(int nAction)
{
    static const UINT ids[] = {IDS_TK_LINK_ACTION_NONE, IDS_TK_LINK_ACTION_USER, IDS_TK_LINK_ACTION_OPEN,
                               IDS_TK_LINK_ACTION_PRINT, IDS_TK_LINK_ACTION_EXPLORE, IDS_TK_LINK_ACTION_MAIL};
    return nAction >= 0 && nAction < 6 ? ids[nAction] : IDS_TK_LINK_ACTION_NONE;
}

CString LoadText(UINT nID)
{
    CString sText;
    sText.LoadString(nID);
    return sText;
}

// The message of a shell error code, or 0 for a code without one of its own.
UINT ShellErrorID(int nError)
{
    static const struct {
        int nError;
        UINT nID;
    } messages[] = {
        {0, IDS_TK_LINK_OUT_OF_MEMORY},
        {ERROR_FILE_NOT_FOUND, IDS_TK_LINK_FILE_NOT_FOUND},
        {ERROR_PATH_NOT_FOUND, IDS_TK_LINK_PATH_NOT_FOUND},
        {SE_ERR_ACCESSDENIED, IDS_TK_LINK_ACCESS_DENIED},
        {SE_ERR_OOM, IDS_TK_LINK_NOT_ENOUGH_MEMORY},
        {ERROR_BAD_FORMAT, IDS_TK_LINK_BAD_FORMAT},
        {SE_ERR_SHARE, IDS_TK_LINK_SHARING_VIOLATION},
        {SE_ERR_ASSOCINCOMPLETE, IDS_TK_LINK_ASSOCIATION_INCOMPLETE},
        {SE_ERR_DDETIMEOUT, IDS_TK_LINK_DDE_TIMEOUT},
        {SE_ERR_DDEFAIL, IDS_TK_LINK_DDE_FAILED},
        {SE_ERR_DDEBUSY, IDS_TK_LINK_DDE_BUSY},
        {SE_ERR_NOASSOC, IDS_TK_LINK_NO_ASSOCIATION},
        {SE_ERR_DLLNOTFOUND, IDS_TK_LINK_DLL_NOT_FOUND},
    };
    for (const auto& message : messages)
        if (message.nError == nError)
            return message.nID;
    return IDS_TK_LINK_UNKNOWN_ERROR;
}

}  // namespace

BOOL CTKHyperLinkAction::Execute(BOOL bReportFailures)
{
    const CTKHyperLinkAction remembered = *this;
    m_hInstance = nullptr;
    m_nError = noError;
    BOOL bSuccess = TRUE;
    switch (m_nAction) {
    case none:
        break;
    case userMessage:
        bSuccess = SendUserMessage();
        break;
    case open:
    case print:
    case explore:
    case mail:
        bSuccess = RunShellVerb();
        break;
    default:
        m_nError = unknownAction;
        bSuccess = FALSE;
        break;
    }
    // A receiver of the user message may have changed the fields.
    const int nError = bSuccess ? static_cast<int>(noError) : m_nError;
    const HINSTANCE hInstance = m_hInstance;
    *this = remembered;
    m_nError = nError;
    m_hInstance = hInstance;
    if (!bSuccess && bReportFailures)
        ShowError();
    return bSuccess;
}

BOOL CTKHyperLinkAction::SendUserMessage()
{
    LPARAM lParam = reinterpret_cast<LPARAM>(this);
    LRESULT lResult = m_hWndMessage == HWND_BROADCAST ? ::PostMessage(m_hWndMessage, m_nMessageID, 0, lParam)
                                                      : ::SendMessage(m_hWndMessage, m_nMessageID, 0, lParam);
    if (lResult == 0)
        m_nError = actionFailed;
    return lResult != 0;
}

// The verb is the action's name; an e-mail opens the target as a "mailto:"
// address for this call only.
BOOL CTKHyperLinkAction::RunShellVerb()
{
    const CString sVerb = LoadText(ActionNameID(m_nAction == mail ? static_cast<int>(open) : m_nAction));
    const CString sTarget = m_nAction == mail ? "mailto:" + m_sTarget : m_sTarget;
    HINSTANCE hResult = AfxShellExecute(nullptr, sVerb, sTarget, m_sParameters, m_sDirectory, m_nShowCmd);
    const INT_PTR nResult = reinterpret_cast<INT_PTR>(hResult);
    if (nResult <= 32) {
        m_nError = static_cast<int>(nResult);
        return FALSE;
    }
    m_hInstance = hResult;
    return TRUE;
}

void CTKHyperLinkAction::ShowError() const
{
    if (m_nError == noError)
        return;
    AfxMessageBeep(MB_OK);
    AfxMessageBox(ErrorText(), MB_ICONHAND);
}

CString CTKHyperLinkAction::ErrorText() const
{
    if (m_nError == actionFailed) {
        CString sText;
        sText.Format(LoadText(IDS_TK_LINK_ACTION_FAILED), static_cast<LPCTSTR>(LoadText(ActionNameID(m_nAction))));
        return sText;
    }
    if (m_nError == unknownAction)
        return LoadText(IDS_TK_LINK_UNKNOWN_ACTION);
    return LoadText(ShellErrorID(m_nError));
}
