#pragma once
// Classes in this file: CTKEdit, a single-line edit whose text is fixed
// literal characters around one editable field. The caret and every edit
// stay inside the field; the mask says where the field lies ("#" the field,
// "##" a literal "#").

#include "afxwin.h"

class CTKEdit : public CEdit {
    DECLARE_DYNCREATE(CTKEdit)
public:
    CTKEdit() = default;

    // FALSE for an empty mask or one without a field marker, which keeps the
    // mask in effect.
    BOOL SetMask(LPCTSTR lpszMask);
    void SetInsertMode(BOOL bInsert) { m_bInsertMode = bInsert; }
    BOOL GetInsertMode() const { return m_bInsertMode; }

    virtual CString GetInputData() const;
    // Places the text at field index nIndex (inserting or overtyping as the
    // mode says) and normalises; FALSE for an index outside the field.
    virtual BOOL SetInputData(LPCTSTR lpszText, int nIndex);
    virtual void ClearData(BOOL bInputOnly);
    virtual void OnInvalidInput();
    virtual BOOL UpdateFromLocale();
    virtual BOOL Initialize();
    // The change in field length.
    virtual int NormalizeInput();
    virtual void EmptyData();
    virtual BOOL IsInputPosition(int nPos) const;
    virtual BOOL IsCaretPosition(int nPos) const;
    // Removes the field's characters in nStart <= position < nEnd; the count
    // removed.
    virtual int DeleteRange(int& nStart, int& nEnd);
    // The caret position behind the character placed, or -1 when it is
    // refused.
    virtual int InsertAt(int nPos, TCHAR c);
    virtual int ReplaceAt(int nPos, TCHAR c);
    virtual int NextCaretPosition(int nPos) const;
    virtual int PrevCaretPosition(int nPos) const;
    virtual void OnLiteralsChanged();

protected:
    void PreSubclassWindow() override;

    // Normalises the field after a change; a field longer than the control's
    // text limit gives way to the last accepted one. The change in length.
    int ApplyFieldChange();
    // Writes literals and field into the window; the caret goes to nCaret,
    // or the selection stays where it is for -1.
    void RewriteText(int nCaret = -1);
    void SplitMaskLiterals(CString& sLeft, CString& sRight) const;
    // Empties the field and takes the text as the whole field.
    void ReloadInput(const CString& sText);
    int FieldStart() const { return m_sLeft.GetLength(); }
    int FieldEnd() const { return m_sLeft.GetLength() + m_sInput.GetLength(); }

    CString m_sLeft;
    CString m_sRight;
    CString m_sInput;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClear(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void DeleteForward();
    void DeleteBackward();
    void TypeCharacter(TCHAR c);
    void DeleteClearedSelection();
    void NotifyParent(UINT nCode);
    BOOL IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }

    CString m_sMask = "#";
    CString m_sLastAccepted;
    BOOL m_bInsertMode = TRUE;
    BOOL m_bNotify = TRUE;
    BOOL m_bInitialized = FALSE;
    int m_nOwnUpdates = 0;
};
