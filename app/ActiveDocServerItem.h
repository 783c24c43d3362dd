#pragma once
// Classes in this file: CActiveDocServerItem, the data explorer's document
// embedded in the program: an item that hosts an active document.

#include "COleDocObjectItem.h"
#include "afxwin.h"

class CActiveDocServerDoc;

class CActiveDocServerItem : public COleDocObjectItem {
    DECLARE_DYNAMIC(CActiveDocServerItem)
public:
    explicit CActiveDocServerItem(CActiveDocServerDoc* pContainer);

    void OnChange(OLE_NOTIFICATION nCode, DWORD dwParam) override;
    void OnDeactivateUI(BOOL bUndoable) override;
};
