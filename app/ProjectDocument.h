#pragma once
// Classes in this file: CProjectDocument, what the shell's windows need of a
// project's document besides the framework's document: the project itself
// and the tree items that show it. The program's document derives from the
// framework's document and from this class.

#include "ProjectTreeItems.h"

class CDocument;
class CProjectDoc;

class CProjectDocument {
public:
    virtual ~CProjectDocument() = default;

    virtual CProjectDoc& GetProject() = 0;
    virtual CProjectTreeItems& GetTreeItems() = 0;
    // Brings the project's window of that kind forward or opens it.
    virtual void ShowView(int nViewKind, BOOL bTable, BOOL bVisible) = 0;

    // The project document behind a framework document, or null.
    static CProjectDocument* FromDocument(CDocument* pDoc);
};
