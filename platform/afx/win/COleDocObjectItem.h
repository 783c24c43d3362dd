#pragma once
// Classes in this file: COleDocObjectItem, a client item that hosts an
// active document: the object shows itself as a document view that fills
// the container's view, created on the object's request through the item's
// document site.

#include "COleClientItem.h"

class COleDocObjectItem : public COleClientItem {
    DECLARE_DYNAMIC(COleDocObjectItem)
public:
    explicit COleDocObjectItem(COleDocument* pContainerDoc);
    ~COleDocObjectItem() override;

    IOleDocumentView* GetActiveView() const { return m_pActiveView; }

    void Deactivate() override;
    BOOL SetItemRects(const CRect& rectPos) override;
    BOOL CanActivateAsDocObject() const override { return TRUE; }
    HRESULT OnActivateDocObject(IOleDocumentView* pViewToActivate) override;

private:
    void CloseDocumentView();

    IOleDocumentView* m_pActiveView = nullptr;
};
