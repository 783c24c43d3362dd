#include "CTKWorkspaceState.h"

#include "platform/afx/AfxArchiveGeometry.h"

#include <algorithm>

IMPLEMENT_SERIAL(CTKWorkspaceState, CObject, 1)

namespace {

constexpr DWORD kMagic = 0x1234FEDC;
constexpr int kSchema = 1;
constexpr UINT kPlacementLength = 44;
constexpr UINT kMemFileGrowBytes = 1024;
constexpr int kArchiveBufferSize = 4096;
constexpr REGSAM kReadAccess = KEY_READ;
constexpr REGSAM kWriteAccess = 0x2001F;
constexpr LPCTSTR kDefaultValueName = "Main";
constexpr LPCTSTR kStateKeyName = "WorkspaceState";

LPCTSTR OrDefault(LPCTSTR psz, LPCTSTR pszDefault)
{
    return psz != nullptr && *psz != '\0' ? psz : pszDefault;
}

struct CStateNames {
    LPCTSTR m_pszValue;
    LPCTSTR m_pszCompany;
    LPCTSTR m_pszApplication;
};

// The value name defaults to "Main", company and application to the
// application's registry key and profile name.
CStateNames ResolveNames(LPCTSTR pszValueName, LPCTSTR pszCompany, LPCTSTR pszApplication)
{
    const CWinApp* pApp = AfxGetApp();
    return {OrDefault(pszValueName, kDefaultValueName),
            OrDefault(pszCompany, pApp != nullptr ? pApp->m_pszRegistryKey : nullptr),
            OrDefault(pszApplication, pApp != nullptr ? pApp->m_pszProfileName : nullptr)};
}

// Flags, show command and the three positions; the length is not stored.
void ArchivePlacement(CArchive& ar, WINDOWPLACEMENT& placement)
{
    if (ar.IsStoring())
        ar << static_cast<DWORD>(placement.flags) << static_cast<DWORD>(placement.showCmd);
    else
        ar >> placement.flags >> placement.showCmd;
    AfxArchivePoint(ar, placement.ptMinPosition);
    AfxArchivePoint(ar, placement.ptMaxPosition);
    AfxArchiveRect(ar, placement.rcNormalPosition);
}

// A normal position is kept in workspace coordinates, whose origin is the
// corner of the primary monitor's work area.
CPoint WorkspaceOrigin()
{
    CRect work;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    return work.TopLeft();
}

// A window placed where no monitor is any more (one unplugged, or a smaller
// screen) would open out of the user's reach: it is moved, and made smaller
// where needed, into the work area of the nearest monitor.
void BringOntoMonitor(RECT& rcWorkspace)
{
    const CPoint origin = WorkspaceOrigin();
    CRect rect(rcWorkspace);
    rect.OffsetRect(origin);
    if (::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr)
        return;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!::GetMonitorInfo(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const CRect work(monitor.rcWork);
    const int cx = std::min<int>(rect.Width(), work.Width());
    const int cy = std::min<int>(rect.Height(), work.Height());
    const int x = std::clamp<int>(rect.left, work.left, work.right - cx);
    const int y = std::clamp<int>(rect.top, work.top, work.bottom - cy);
    CRect fitted(x, y, x + cx, y + cy);
    fitted -= origin;
    rcWorkspace = fitted;
}

CWnd* MainWindow()
{
    return AfxGetMainWnd();
}

} // namespace

CTKWorkspaceState::CTKWorkspaceState()
{
    Reset();
}

void CTKWorkspaceState::Reset()
{
    m_sizeScreen = CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    m_bIncludeMainWindow = TRUE;
    m_bIncludeBars = TRUE;
    m_bIncludeChildFrames = TRUE;
    m_bIncludeSplitterPanes = TRUE;
    m_windowPlacement = WINDOWPLACEMENT{};
    m_nVersion = -1;
}

BOOL CTKWorkspaceState::ComputeProperties()
{
    m_windowPlacement = WINDOWPLACEMENT{};
    CWnd* pMainWnd = MainWindow();
    if (m_bIncludeMainWindow && pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr) {
        m_windowPlacement.length = kPlacementLength;
        pMainWnd->GetWindowPlacement(&m_windowPlacement);
    }
    return TRUE;
}

// A window stored minimised comes back normal; one not shown yet is placed
// hidden, and shows later with the stored show command.
BOOL CTKWorkspaceState::ApplyProperties()
{
    CWnd* pMainWnd = MainWindow();
    if (!m_bIncludeMainWindow || pMainWnd == nullptr || pMainWnd->GetSafeHwnd() == nullptr)
        return TRUE;
    WINDOWPLACEMENT placement = m_windowPlacement;
    placement.length = kPlacementLength;
    const UINT nShowCmd = placement.showCmd == SW_SHOWMINIMIZED ? SW_SHOWNORMAL : placement.showCmd;
    if (!pMainWnd->IsWindowVisible())
        placement.showCmd = SW_HIDE;
    BringOntoMonitor(placement.rcNormalPosition);
    pMainWnd->SetWindowPlacement(&placement);
    AfxGetApp()->m_nCmdShow = static_cast<int>(nShowCmd);
    return TRUE;
}

BOOL CTKWorkspaceState::StoreToRegistry(LPCTSTR pszValueName, LPCTSTR pszCompany, LPCTSTR pszApplication,
                                        HKEY hKeyRoot, BOOL bSaveAllModified, BOOL bComputeProperties,
                                        BOOL bClearModified)
{
    if (bSaveAllModified)
        SaveModifiedDocuments(bClearModified);
    if (bComputeProperties)
        ComputeProperties();
    const CStateNames names = ResolveNames(pszValueName, pszCompany, pszApplication);
    if (names.m_pszCompany == nullptr)
        return FALSE;
    CByteArray data;
    return StoreToByteArray(data) &&
        AccessRegistry(TRUE, names.m_pszValue, names.m_pszCompany, names.m_pszApplication, hKeyRoot, &data);
}

// The application's own save question; its answer does not stop the store.
void CTKWorkspaceState::SaveModifiedDocuments(BOOL bClearModified)
{
    CWinApp* pApp = AfxGetApp();
    pApp->SaveAllModified();
    if (!bClearModified)
        return;
    for (POSITION posTemplate = pApp->GetFirstDocTemplatePosition(); posTemplate != nullptr;) {
        CDocTemplate* pTemplate = pApp->GetNextDocTemplate(posTemplate);
        for (POSITION pos = pTemplate->GetFirstDocPosition(); pos != nullptr;)
            pTemplate->GetNextDoc(pos)->SetModifiedFlag(FALSE);
    }
}

BOOL CTKWorkspaceState::LoadFromRegistry(LPCTSTR pszValueName, LPCTSTR pszCompany, LPCTSTR pszApplication,
                                         HKEY hKeyRoot, BOOL bApply)
{
    const CStateNames names = ResolveNames(pszValueName, pszCompany, pszApplication);
    if (names.m_pszCompany == nullptr)
        return FALSE;
    CByteArray data;
    if (!AccessRegistry(FALSE, names.m_pszValue, names.m_pszCompany, names.m_pszApplication, hKeyRoot, &data) ||
        !LoadFromByteArray(data))
        return FALSE;
    if (bApply)
        ApplyProperties();
    return TRUE;
}

BOOL CTKWorkspaceState::StoreToByteArray(CByteArray& data)
{
    try {
        CMemFile file(kMemFileGrowBytes);
        {
            CArchive ar(&file, CArchive::store, kArchiveBufferSize);
            Serialize(ar);
            ar.Close();
        }
        data.SetSize(static_cast<int>(file.GetLength()));
        file.SeekToBegin();
        file.Read(data.GetData(), static_cast<UINT>(data.GetSize()));
        return TRUE;
    } catch (const CException&) {
        return FALSE;
    }
}

// A value of another program, a later version or a broken one loads
// nothing: the window keeps the layout it was made with.
BOOL CTKWorkspaceState::LoadFromByteArray(const CByteArray& data)
{
    try {
        CMemFile file(kMemFileGrowBytes);
        file.Write(data.GetData(), static_cast<UINT>(data.GetSize()));
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load, kArchiveBufferSize);
        Serialize(ar);
        return TRUE;
    } catch (const CException&) {
        return FALSE;
    }
}

// Software\<company>\<application>\WorkspaceState, made when missing (also
// for reading); the value is REG_BINARY.
BOOL CTKWorkspaceState::AccessRegistry(BOOL bWrite, LPCTSTR pszValueName, LPCTSTR pszCompany,
                                       LPCTSTR pszApplication, HKEY hKeyRoot, CByteArray* pData)
{
    const REGSAM access = bWrite ? kWriteAccess : kReadAccess;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hKeyRoot, "Software", 0, access, &hKey) != ERROR_SUCCESS)
        return FALSE;
    for (LPCTSTR pszSubKey : {pszCompany, pszApplication, kStateKeyName}) {
        HKEY hSubKey = nullptr;
        const LONG lResult = ::RegCreateKeyExA(hKey, pszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                               nullptr, &hSubKey, nullptr);
        ::RegCloseKey(hKey);
        if (lResult != ERROR_SUCCESS)
            return FALSE;
        hKey = hSubKey;
    }
    LONG lResult = ERROR_SUCCESS;
    if (bWrite) {
        lResult = ::RegSetValueExA(hKey, pszValueName, 0, REG_BINARY, pData->GetData(),
                                   static_cast<DWORD>(pData->GetSize()));
    } else {
        DWORD nSize = 0;
        lResult = ::RegQueryValueExA(hKey, pszValueName, nullptr, nullptr, nullptr, &nSize);
        if (lResult == ERROR_SUCCESS) {
            pData->SetSize(nSize);
            lResult = ::RegQueryValueExA(hKey, pszValueName, nullptr, nullptr, pData->GetData(), &nSize);
        }
        if (lResult != ERROR_SUCCESS)
            pData->RemoveAll();
    }
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

// The value starts with a magic number and the version; a later version
// than this program knows is refused.
void CTKWorkspaceState::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kMagic << kSchema;
        StoreToArchive(ar);
        return;
    }
    DWORD dwMagic = 0;
    ar >> dwMagic;
    if (dwMagic != kMagic)
        AfxThrowArchiveException(CArchiveException::badSchema);
    ar >> m_nVersion;
    if (m_nVersion > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    LoadFromArchive(ar);
}

// Screen size, the main window and its placement, the bars flag. The bars'
// dock state and what follows it come with the docking toolkit: a value
// that ends here holds no bar layout.
void CTKWorkspaceState::StoreToArchive(CArchive& ar)
{
    ar << m_sizeScreen.cx << m_sizeScreen.cy << m_bIncludeMainWindow;
    ArchivePlacement(ar, m_windowPlacement);
    ar << m_bIncludeBars;
}

void CTKWorkspaceState::LoadFromArchive(CArchive& ar)
{
    ar >> m_sizeScreen.cx >> m_sizeScreen.cy >> m_bIncludeMainWindow;
    ArchivePlacement(ar, m_windowPlacement);
    m_windowPlacement.length = kPlacementLength;
    ar >> m_bIncludeBars;
}
