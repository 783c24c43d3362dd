#include "CTKBitmapMenu.h"

#include "CTKMenuSkin.h"
#include "CTKMenuSkinClassic.h"
#include "CTKPartSkinSlot.h"

IMPLEMENT_DYNAMIC(CTKBitmapMenu, CMenu)

namespace {

// One thread shows menus; a menu is tracked by one thread at a time.
thread_local CMenu* t_pTrackedMenu = nullptr;

}  // namespace

CTKMenuSkin* CTKBitmapMenu::GetMenuSkin()
{
    static CTKPartSkinSlot<CTKMenuSkin, CTKMenuSkinClassic> s_menuSkin(&CTKSkin::GetMenuSkin);
    return s_menuSkin.Get();
}

HBRUSH CTKBitmapMenu::CreateDitherBrush(COLORREF crFirst, COLORREF crSecond)
{
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = 8;
    info.header.biHeight = 8;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.colors[0] = {GetBValue(crFirst), GetGValue(crFirst), GetRValue(crFirst), 0};
    info.colors[1] = {GetBValue(crSecond), GetGValue(crSecond), GetRValue(crSecond), 0};
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pBits,
                                         nullptr, 0);
    if (hBitmap == nullptr)
        return nullptr;
    // Each 1-bpp row is padded to 32 bits: the pattern's byte 0x55 or 0xAA
    // leads, the rest pads.
    DWORD* pRows = static_cast<DWORD*>(pBits);
    for (int nRow = 0; nRow < 8; ++nRow)
        pRows[nRow] = nRow % 2 == 0 ? 0x5555AAAA : 0xAAAA5555;
    HBRUSH hBrush = ::CreatePatternBrush(hBitmap);
    ::DeleteObject(hBitmap);
    return hBrush;
}

void CTKBitmapMenu::SetTrackedMenu(CMenu* pMenu)
{
    t_pTrackedMenu = pMenu;
}

CTKBitmapMenu* CTKBitmapMenu::GetTrackedBitmapMenu()
{
    return dynamic_cast<CTKBitmapMenu*>(t_pTrackedMenu);
}
