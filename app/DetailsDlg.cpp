#include "DetailsDlg.h"

#include "platform/version/VersionReader.h"

namespace {

// The file version of a library found by the system's module search; empty
// when there is none or it has no version resource. The two libraries are
// built into the program here, so normally both are empty.
CString LibraryVersion(LPCTSTR lpszLibrary)
{
    return VersionReader(lpszLibrary).GetVersionText(VersionReader::kFileVersion, 0);
}

} // namespace

CDetailsDlg::CDetailsDlg(CWnd* pParentWnd) : CDialog(IDD, pParentWnd)
{
}

BOOL CDetailsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_VERSION_DETAILS_TEXT, GetDetailsText());
    return TRUE;
}

CString CDetailsDlg::GetDetailsText()
{
    const VersionReader program(VersionReader::GetProgramPath());
    return "Version information:\r\n   " +
        program.GetVersionText(VersionReader::kFileVersion, VersionReader::kBuildRemarks) +
        "\r\n   Mestrel.dll: " + LibraryVersion("Mestrel.dll") + "\r\n   Filvex32.dll: " + LibraryVersion("Filvex32.dll");
}
