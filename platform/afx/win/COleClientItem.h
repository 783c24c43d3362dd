#pragma once
// Classes in this file: COleClientItem, one embedded OLE object of a
// COleDocument: it creates the object (new from its class, or from a file),
// gives it the item's site, activates it in a view and closes and releases
// it again. The container document owns its items.

#include "CCmdTarget.h"
#include "COleClientSite.h"
#include "COleInPlaceFrame.h"
#include "CRect.h"

#include <ole2.h>

class COleDocument;
class CView;

enum OLE_NOTIFICATION { OLE_CHANGED, OLE_SAVED, OLE_CLOSED, OLE_RENAMED };

class COleClientItem : public CCmdTarget {
    DECLARE_DYNAMIC(COleClientItem)
public:
    explicit COleClientItem(COleDocument* pContainerDoc);
    ~COleClientItem() override;
    COleClientItem(const COleClientItem&) = delete;
    COleClientItem& operator=(const COleClientItem&) = delete;

    enum ItemState { emptyState, loadedState, openState, activeState, activeUIState };

// Attributes
    COleDocument* GetDocument() const { return m_pDocument; }
    ItemState GetItemState() const { return m_nItemState; }
    BOOL IsInPlaceActive() const { return m_nItemState == activeState || m_nItemState == activeUIState; }
    CView* GetActiveView() const { return m_pView; }
    HWND GetInPlaceWindow() const;
    BOOL GetUserType(USERCLASSTYPE nUserClassType, CString& rString) const;
    HICON GetIconFromRegistry(BOOL bSmall) const;

// Creation
    BOOL CreateNewItem(REFCLSID clsid);
    BOOL CreateFromFile(LPCTSTR lpszFileName);

// Operations
    BOOL Activate(LONG nVerb, CView* pView);
    BOOL DoVerb(LONG nVerb);
    virtual void Deactivate();
    void Close(OLECLOSE dwCloseOption = OLECLOSE_SAVEIFDIRTY);
    void Release();
    virtual BOOL SetItemRects(const CRect& rectPos);

// Overridables, called through the item's site
    virtual void OnChange(OLE_NOTIFICATION nCode, DWORD dwParam);
    virtual BOOL OnChangeItemPosition(const CRect& rectPos);
    virtual void OnGetItemPosition(CRect& rPosition);
    virtual void OnActivate();
    virtual void OnActivateUI();
    virtual void OnDeactivateUI(BOOL bUndoable);
    virtual void OnDeactivate();
    virtual BOOL CanActivateAsDocObject() const { return FALSE; }
    virtual HRESULT OnActivateDocObject(IOleDocumentView* pViewToActivate);
    BOOL GetWindowContext(IOleInPlaceFrame** ppFrame, LPRECT lpPosRect, LPRECT lpClipRect,
                          LPOLEINPLACEFRAMEINFO lpFrameInfo);

    LPOLEOBJECT m_lpObject = nullptr;

protected:
    IOleInPlaceSite* GetInPlaceSite() { return &m_site; }

    IOleInPlaceObject* m_pInPlaceObject = nullptr;

private:
    BOOL FinishCreate(IOleObject* pObject);

    COleDocument* m_pDocument;
    CView* m_pView = nullptr;
    ItemState m_nItemState = emptyState;
    DWORD m_dwAdviseConnection = 0;
    COleClientSite m_site{*this};
    COleInPlaceFrame m_frame;

    friend class COleClientSite;
};
