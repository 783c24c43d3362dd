#pragma once
// Classes in this file: CTKComboDropDown, what a control dropped from a
// CTKComboPickerCtrl offers the picker: its popup container, its size limits
// and its chosen item, which the picker shows on its face.

#include "afxwin.h"
#include "toolkit/skins/CTKDropDownContainer.h"

class CTKComboPickerCtrl;

class CTKComboDropDown {
public:
    CTKComboDropDown() = default;
    virtual ~CTKComboDropDown() = default;
    CTKComboDropDown(const CTKComboDropDown&) = delete;
    CTKComboDropDown& operator=(const CTKComboDropDown&) = delete;

    virtual CTKComboPickerCtrl* SetOwnerCombo(CTKComboPickerCtrl* pCombo);
    virtual CTKDropDownContainer& GetContainer();
    virtual CWnd* GetWindow() = 0;
    virtual void OnDropDown(BOOL bShown) = 0;
    virtual void GetWindowRect(LPRECT lpRect);
    virtual BOOL IsVisible();
    virtual void GetBestSize(LPRECT lpRect) = 0;
    virtual int GetItemHeight() = 0;
    virtual BOOL HasSelection() = 0;
    virtual CImageList* GetSelectionImage() = 0;  // a new list the caller deletes, or null
    virtual CString GetSelectionText() = 0;
    virtual CFont* GetFont() = 0;
    virtual COLORREF GetTextColor() = 0;
    virtual void ResetContent() = 0;
    virtual BOOL TakesFocus() = 0;
    virtual void OnAttach();
    virtual void AdjustSize() = 0;
    virtual void OnComboResized();

    CTKComboPickerCtrl* GetOwnerCombo() const { return m_pCombo; }

// Size limits of the container's client area in pixels; negative: none
    int m_nMaxWidth = -1;
    int m_nMaxHeight = -1;
    int m_nMinWidth = -1;
    int m_nMinHeight = -1;

protected:
    BOOL HasWindow();
    CSize GetContainerFrameSize();

    CTKDropDownContainer m_container;
    CTKComboPickerCtrl* m_pCombo = nullptr;
};
