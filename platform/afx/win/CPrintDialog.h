#pragma once
// Classes in this file: CPrintDialog, the printer choice of one print job or
// of the print set-up: the system's print dialog data (PRINTDLG) with its
// device mode, device names and the printer DC it leads to. DoModal shows
// the system's dialog (or asks the common-dialog hook of a test).

#include "CCommonDialog.h"

#include <commdlg.h>

class CPrintDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    PRINTDLG m_pd;

// Operations
    INT_PTR DoModal() override;
    BOOL GetDefaults();
    HDC CreatePrinterDC();
    HDC GetPrinterDC() const { return m_pd.hDC; }

// Attributes
    LPDEVMODE GetDevMode() const;  // stays locked; the memory belongs to the dialog data
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;
    int GetCopies() const;
    BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    BOOL PrintCollate() const { return (m_pd.Flags & PD_COLLATE) != 0; }
    int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
    int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

private:
    CString DevName(WORD DEVNAMES::*pOffset) const;
};

// A DC for the printer that hDevNames names, set up by hDevMode; the virtual
// printer's driver name gives a DC of the installed CVirtualPrinter.
HDC AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode);
