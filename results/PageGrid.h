#pragma once
// Classes in this file: CPageGrid, the editing of a fixed page grid, shared
// by the result tables and the test report pages: the page's decimal
// separator, number and text fields (a missing number shows empty, an empty
// or zero field reads -999.0), the shading of the editable fields, editing
// started by a double click or a typed key, the page keys, paste and the
// store when the focus leaves the grid. A page says which fields it edits,
// stores them into its project, and which pasted fields recalculate it.

#include "grid/CGRCtrl.h"

#include "ResultLayout.h"

#include <vector>

class CProjectDoc;

class CPageGrid : public CGRCtrl {
public:
    CPageGrid();
    ~CPageGrid() override;

// What a page fills in
    // The fields the user edits: writable and shaded.
    virtual std::vector<CFieldPos> EditableFields() const = 0;
    // Fields whose text is kept whole when pasted into (multi-line fields).
    virtual bool IsMultiLineField(int nCol, int nRow) const;
    // Whether leaving this cell after a paste recalculates the project.
    virtual bool RecalculatesAfterPaste(int nCol, int nRow) const;
    // Editable fields -> the project.
    virtual void StoreEditableTexts() = 0;

// Fields
    void SetNumberField(const CFieldPos& field, double dValue, int nDecimals);
    double GetNumberField(const CFieldPos& field);
    void SetTextField(const CFieldPos& field, const CString& sText);
    CString GetTextField(const CFieldPos& field);
    void SetCellReadOnly(int nCol, int nRow, BOOL bReadOnly);
    // Grey editable fields on screen, white while printing.
    void SetEditableHighlight(BOOL bOn);
    virtual bool IsEditableCell(int nCol, int nRow) const;

// Clipboard
    // Distributes text over the cells from the current one and selects them.
    int PasteText(const CString& sText);
    // 1 when the clipboard holds no text.
    int OnPaste();
    // With pictureCell current, hPicture as an enhanced metafile (1, and the
    // clipboard untouched, when there is none); else the selected cells.
    int CopyPictureOrSelection(const CFieldPos& pictureCell, HENHMETAFILE hPicture);

// Notifications shared by every page
    void OnDClicked(int nCol, int nRow, CRect* pRect, CPoint* pPoint, int nProcessed) override;
    void OnKeyDown(UINT* pnKey, int nProcessed) override;
    void OnCharDown(UINT* pnKey, int nProcessed) override;
    int OnMenuStart(int nCol, int nRow, int nSection) override;
    void OnCellChange(int nOldCol, int nNewCol, int nOldRow, int nNewRow) override;
    void OnKillFocus(int nSection, CWnd* pNewFocus) override;
    using CGRCtrl::OnKillFocus;

    char m_cDecimal = '.';
    BOOL m_bPasted = FALSE;
    int m_nLastPageRow = 57;

    static constexpr COLORREF kEditableShade = RGB(220, 220, 220);

protected:
    CProjectDoc* GetProject() const;
    // The start of every page's set-up: the context menu, the edit that the
    // page ends itself when the focus leaves, Arial 13, black borders, every
    // cell read-only, and the margins of the application's page set-up.
    void SetupPageDefaults();
    // Stores the fields, marks the workspace modified and, with bRecalculate,
    // recalculates the project with the grid's id as hint.
    void CommitFields(bool bRecalculate);

    CPen m_borderPen;

private:
    bool IsInsideGrid(CWnd* pWnd);
};
