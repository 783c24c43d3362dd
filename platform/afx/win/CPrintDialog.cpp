#include "CPrintDialog.h"

#include "CVirtualPrinter.h"
#include "CWinApp.h"
#include "CWnd.h"

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : m_pd()
{
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | PD_RETURNDC;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    m_pd.hwndOwner = pParentWnd->GetSafeHwnd();
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
}

INT_PTR CPrintDialog::DoModal()
{
    if (m_pd.hDC != nullptr) {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    if (m_pd.hwndOwner == nullptr && AfxGetMainWnd() != nullptr)
        m_pd.hwndOwner = AfxGetMainWnd()->m_hWnd;
    return ::PrintDlg(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    DWORD dwFlags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    BOOL bFound = ::PrintDlg(&m_pd);
    m_pd.Flags = dwFlags;
    return bFound;
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDC != nullptr)
        ::DeleteDC(m_pd.hDC);
    m_pd.hDC = AfxCreateDC(m_pd.hDevNames, m_pd.hDevMode);
    return m_pd.hDC;
}

LPDEVMODE CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode ? static_cast<LPDEVMODE>(::GlobalLock(m_pd.hDevMode)) : nullptr;
}

CString CPrintDialog::DevName(WORD DEVNAMES::*pOffset) const
{
    if (m_pd.hDevNames == nullptr)
        return CString();
    auto* pDevNames = static_cast<DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
    CString sName(reinterpret_cast<const char*>(pDevNames) + pDevNames->*pOffset);
    ::GlobalUnlock(m_pd.hDevNames);
    return sName;
}

CString CPrintDialog::GetDriverName() const { return DevName(&DEVNAMES::wDriverOffset); }
CString CPrintDialog::GetDeviceName() const { return DevName(&DEVNAMES::wDeviceOffset); }
CString CPrintDialog::GetPortName() const { return DevName(&DEVNAMES::wOutputOffset); }

int CPrintDialog::GetCopies() const
{
    LPDEVMODE pDevMode = GetDevMode();
    return pDevMode != nullptr ? pDevMode->dmCopies : m_pd.nCopies;
}

HDC AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (hDevNames == nullptr)
        return nullptr;
    auto* pDevNames = static_cast<DEVNAMES*>(::GlobalLock(hDevNames));
    const char* pNames = reinterpret_cast<const char*>(pDevNames);
    auto* pDevMode = hDevMode ? static_cast<DEVMODE*>(::GlobalLock(hDevMode)) : nullptr;
    HDC hDC = nullptr;
    if (CVirtualPrinter::IsVirtualDriver(pNames + pDevNames->wDriverOffset)) {
        if (CVirtualPrinter* pPrinter = CVirtualPrinter::GetInstalled())
            hDC = pPrinter->CreateDC(pDevMode);
    } else {
        hDC = ::CreateDC(pNames + pDevNames->wDriverOffset, pNames + pDevNames->wDeviceOffset,
                         pNames + pDevNames->wOutputOffset, pDevMode);
    }
    if (pDevMode != nullptr)
        ::GlobalUnlock(hDevMode);
    ::GlobalUnlock(hDevNames);
    return hDC;
}
