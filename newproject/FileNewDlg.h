#pragma once
// Classes in this file: CFileNewDlg, the "New Project" dialog: the method
// catalogue as a tree dropped from a combo box, recently used methods first,
// and the "Add to projects" choice. On OK it hands back the chosen method's
// descriptor and puts the method first in the recently used list.

#include <memory>
#include <vector>

#include "afxwin.h"
#include "model/ReportInfo.h"
#include "newproject/KelTreeComboDropDown.h"
#include "newproject/MethodCatalogue.h"
#include "newproject/MruReportInfoList.h"
#include "res/resource.h"
#include "toolkit/skins/CTKComboPickerCtrl.h"

class CFileNewDlg : public CDialog {
public:
    enum { IDD = IDD_FILE_NEW };

    CFileNewDlg(CMruReportInfoList& mruList, CMruStore& mruStore, CWnd* pParent = nullptr);

    CImageList m_imageList;
    int m_nVersion = 1;             // major version of the program, read when the dialog opens
    BOOL m_bAddToProjects = TRUE;
    CReportInfo m_reportInfo{true};  // the chosen method, after OK
    CTKComboPickerCtrl m_comboPicker;
    KelCTKTreeComboDropDown<CTreeCtrl> m_treeDropDown;

    const CMethodCatalogue* GetCatalogue() const { return m_pCatalogue.get(); }
    HTREEITEM GetTreeItem(int nCatalogueItem) const { return m_aTreeItems.at(nCatalogueItem); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    virtual int ReadProgramVersion();

private:
    void CreateMethodTree();
    void FillMethodTree();
    HTREEITEM InsertTreeItem(const CMethodCatalogue::CItem& item);
    int FindCatalogueItem(HTREEITEM hItem) const;
    void AskBasicElement();

    CMruReportInfoList& m_mruList;
    CMruStore& m_mruStore;
    std::unique_ptr<CMethodCatalogue> m_pCatalogue;
    std::vector<HTREEITEM> m_aTreeItems;  // the tree item of each catalogue item
};
