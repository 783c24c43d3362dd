#include "IpcVestolar.h"

#include "MainFrame.h"

#include "AfxComCall.h"
#include "AfxOleInit.h"
#include "COleBusyScope.h"
#include "model/ProjectDoc.h"

namespace {

// The path in the program's code page; characters it lacks become "?", and
// such a path is then not found.
CString AnsiPath(BSTR path)
{
    const int nLength = static_cast<int>(::SysStringLen(path));
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, path, nLength, nullptr, 0, nullptr, nullptr);
    CString sPath;
    if (nBytes > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, path, nLength, sPath.GetBuffer(nBytes), nBytes, nullptr, nullptr);
        sPath.ReleaseBuffer(nBytes);
    }
    return sPath;
}

// A call that arrives while a dialog or box is up, or while a push runs,
// would run beneath them: it is told to retry later, as the message filter
// tells COM (which not every COM honours for a server's reply).
bool IsCallToWait()
{
    const COleMessageFilter* pFilter = AfxOleGetMessageFilter();
    return (pFilter != nullptr && pFilter->IsBusy()) || COleMessageFilter::IsModal();
}

} // namespace

// E_FAIL while the workspace never had a project; S_OK for a null path,
// which reads nothing; otherwise what the push gives. While the push runs,
// other calls are told to retry later rather than run beneath its boxes.
HRESULT CIpcVestolar::ImportMeasurementFile(BSTR path)
{
    return AfxComCall([&] {
        if (IsCallToWait())
            return RPC_E_SERVERCALL_RETRYLATER;
        if (CProjectDoc::GetProjectCounter() < 1)
            return E_FAIL;
        if (path == nullptr)
            return S_OK;
        auto* pMainFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
        const COleBusyScope busy(AfxOleGetMessageFilter());
        return pMainFrame != nullptr ? pMainFrame->ImportMeasurements(AnsiPath(path)) : E_FAIL;
    });
}

// Window handles carry 32 significant bits, so a long holds one.
HRESULT CIpcVestolar::GetMainWindow(LONG* phWnd)
{
    if (phWnd == nullptr)
        return E_POINTER;
    if (IsCallToWait())
        return RPC_E_SERVERCALL_RETRYLATER;
    *phWnd = static_cast<LONG>(reinterpret_cast<LONG_PTR>(AfxGetMainWnd()->GetSafeHwnd()));
    return S_OK;
}
