#include "CCommonDialog.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

namespace {

AfxCommonDialogHook& Hook()
{
    static AfxCommonDialogHook hook;
    return hook;
}

}  // namespace

void AfxSetCommonDialogHook(AfxCommonDialogHook hook)
{
    Hook() = std::move(hook);
}

INT_PTR CCommonDialog::RunSystemDialog(const std::function<BOOL()>& showSystemDialog)
{
    if (Hook())
        return Hook()(*this);
    return showSystemDialog() ? IDOK : IDCANCEL;
}

void CCommonDialog::OnOK()
{
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}
