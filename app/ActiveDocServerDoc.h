#pragma once
// Classes in this file: CActiveDocServerDoc, the document of the window that
// embeds the data explorer's document: it holds at most one item, shows it
// in its first view and gives the window the object's icon and name. Save
// in its window saves the workspace, as everywhere in the program.

#include "afxwin.h"

#include <memory>

class CActiveDocServerItem;
class COleClientItem;

class CActiveDocServerDoc : public COleDocument {
    DECLARE_DYNCREATE(CActiveDocServerDoc)
public:
    CActiveDocServerDoc();
    ~CActiveDocServerDoc() override;

    CActiveDocServerItem* GetItem() const { return m_pItem.get(); }
    // The item active in place in pView, if any.
    COleClientItem* GetInPlaceActiveItem(CView* pView) const;

    // Embed a new object of the class, or one from the file, and show it in
    // the first view; message 102 when it cannot be made.
    bool CreateItemFromClass(REFCLSID clsid);
    bool CreateItemFromFile(LPCTSTR lpszPath);

    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    void DeleteContents() override;

protected:
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

    DECLARE_MESSAGE_MAP()

private:
    template <class Create>
    bool CreateItem(Create create);
    void TakeLookOfObject();
    void DestroyIcons();

    std::unique_ptr<CActiveDocServerItem> m_pItem;
    HICON m_hIconLarge = nullptr;
    HICON m_hIconSmall = nullptr;
};
