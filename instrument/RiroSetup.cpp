#include "RiroSetup.h"

#include "res/resource.h"

#include "afxwin.h"

namespace {

CRiroSetup::CReadHook& ReadHook()
{
    static CRiroSetup::CReadHook hook;
    return hook;
}

void ShowLinkNotBuilt()
{
    AfxMessageBox(IDS_SERIAL_LINK_NOT_BUILT, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void CRiroSetup::SetReadHook(CReadHook hook)
{
    ReadHook() = std::move(hook);
}

int CRiroSetup::ReadFromInstrument()
{
    if (ReadHook())
        return ReadHook()(*this);
    ShowLinkNotBuilt();
    return 0;
}

void CRiroSetup::RunSetupAndStart()
{
    ShowLinkNotBuilt();
}
