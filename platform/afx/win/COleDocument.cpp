#include "COleDocument.h"

#include "AfxOleLock.h"
#include "CCmdUI.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(COleDocument, CDocument)

BEGIN_MESSAGE_MAP(COleDocument, CDocument)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePasteMenu)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE_LINK, OnUpdatePasteLinkMenu)
END_MESSAGE_MAP()

COleDocument::COleDocument()
{
    AfxOleLockApp();
}

COleDocument::~COleDocument()
{
    AfxOleUnlockApp();
}

namespace {

BOOL IsRegisteredFormatAvailable(LPCTSTR lpszFormat)
{
    return ::IsClipboardFormatAvailable(::RegisterClipboardFormat(lpszFormat));
}

}  // namespace

// An object to embed, or a picture that becomes a static object.
void COleDocument::OnUpdatePasteMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsRegisteredFormatAvailable("Embed Source") ||
                   IsRegisteredFormatAvailable("Embedded Object") ||
                   ::IsClipboardFormatAvailable(CF_METAFILEPICT) ||
                   ::IsClipboardFormatAvailable(CF_ENHMETAFILE) || ::IsClipboardFormatAvailable(CF_DIB) ||
                   ::IsClipboardFormatAvailable(CF_BITMAP));
}

void COleDocument::OnUpdatePasteLinkMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsRegisteredFormatAvailable("Link Source"));
}
