#include "CPrintDialog.h"

#include "CVirtualPrinter.h"
#include "CWinApp.h"
#include "CWnd.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

// The set-up dialog only chooses the printer; a print job's dialog gives its DC.
CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_pd()
{
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
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
    if (m_pd.hwndOwner == nullptr)
        m_pd.hwndOwner = ModalOwner();
    INT_PTR nResult = RunSystemDialog([this] { return ::PrintDlg(&m_pd); });
    // The system makes no DC for a printer it does not know (the virtual one).
    if (nResult == IDOK && (m_pd.Flags & PD_RETURNDC) != 0 && m_pd.hDC == nullptr)
        CreatePrinterDC();
    return nResult;
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
