#include "ProjectDocument.h"

#include "afxwin.h"

CProjectDocument* CProjectDocument::FromDocument(CDocument* pDoc)
{
    return dynamic_cast<CProjectDocument*>(pDoc);
}
