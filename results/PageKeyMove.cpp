#include "PageKeyMove.h"

namespace {

constexpr UINT kKeyTab = 9;
constexpr UINT kKeyEnd = 35;
constexpr UINT kKeyHome = 36;
constexpr UINT kKeyLeft = 37;
constexpr UINT kKeyUp = 38;
constexpr UINT kKeyRight = 39;
constexpr UINT kKeyDown = 40;

} // namespace

bool CPageKeyMove::Target(CCell current, UINT nKey, bool bShift, bool bCtrl, CCell& target) const
{
    target = current;
    switch (nKey) {
    case kKeyTab:
        if (bShift)
            target.m_nCol = current.m_nCol > 0 ? current.m_nCol - 1 : LastCol();
        else
            target.m_nCol = current.m_nCol < LastCol() ? current.m_nCol + 1 : 0;
        return true;
    case kKeyEnd:
        if (current.m_nCol >= LastCol())
            target.m_nRow = m_nLastPageRow;
        target.m_nCol = LastCol();
        return true;
    case kKeyHome:
        if (current.m_nCol == 0)
            target.m_nRow = 0;
        target.m_nCol = 0;
        return true;
    case kKeyRight:
        if (bCtrl || current.m_nCol >= LastCol()) {
            target.m_nCol = LastCol();
            return true;
        }
        return false;
    case kKeyLeft:
        target.m_nCol = 0;
        return bCtrl;
    case kKeyUp:
        target.m_nRow = 0;
        return bCtrl;
    case kKeyDown:
        target.m_nRow = m_nLastPageRow;
        return bCtrl;
    default:
        return false;
    }
}
