#include "TableKeyMove.h"

namespace {
constexpr UINT kKeyTab = 9;
constexpr UINT kKeyEnd = 35;
constexpr UINT kKeyHome = 36;
constexpr UINT kKeyLeft = 37;
constexpr UINT kKeyUp = 38;
constexpr UINT kKeyRight = 39;
constexpr UINT kKeyDown = 40;
} // namespace

CTableKeyMove::CTableKeyMove(int nLastCol, int nLastRow, std::function<bool(int)> isColShown,
                             std::function<bool(int)> isRowShown)
    : m_nLastCol(nLastCol), m_nLastRow(nLastRow), m_isColShown(std::move(isColShown)), m_isRowShown(std::move(isRowShown))
{
}

bool CTableKeyMove::IsMoveKey(UINT nKey)
{
    return nKey == kKeyTab || (nKey >= kKeyEnd && nKey <= kKeyDown);
}

// The nearest shown index beyond nFrom in nDirection, within 0..nLast; nFrom
// itself when there is none.
int CTableKeyMove::Step(int nFrom, int nDirection, int nLast, const std::function<bool(int)>& isShown)
{
    for (int i = nFrom + nDirection; i >= 0 && i <= nLast; i += nDirection) {
        if (isShown(i))
            return i;
    }
    return nFrom;
}

int CTableKeyMove::StepCol(int nFrom, int nDirection) const
{
    return Step(nFrom, nDirection, m_nLastCol, m_isColShown);
}

int CTableKeyMove::StepRow(int nFrom, int nDirection) const
{
    return Step(nFrom, nDirection, m_nLastRow, m_isRowShown);
}

// Ctrl with an arrow steps in from beyond the edge, so it lands on the first
// or last shown column or row. Right at the last column stays there.
CTableKeyMove::CCell CTableKeyMove::Target(CCell current, UINT nKey, bool bShift, bool bCtrl) const
{
    CCell target = current;
    switch (nKey) {
    case kKeyTab:
        target.m_nCol = StepCol(current.m_nCol, bShift ? -1 : 1);
        break;
    case kKeyEnd:
        target = {StepCol(m_nLastCol + 1, -1), StepRow(m_nLastRow + 1, -1)};
        break;
    case kKeyHome:
        target = {0, 0};
        break;
    case kKeyLeft:
        target.m_nCol = bCtrl ? StepCol(-1, 1) : StepCol(current.m_nCol, -1);
        break;
    case kKeyRight:
        target.m_nCol = bCtrl ? StepCol(m_nLastCol + 1, -1) : StepCol(current.m_nCol, 1);
        break;
    case kKeyUp:
        target.m_nRow = bCtrl ? StepRow(-1, 1) : StepRow(current.m_nRow, -1);
        break;
    case kKeyDown:
        target.m_nRow = bCtrl ? StepRow(m_nLastRow + 1, -1) : StepRow(current.m_nRow, 1);
        break;
    default:
        break;
    }
    if (target.m_nCol < 0 || target.m_nCol > m_nLastCol || target.m_nRow < 0 || target.m_nRow > m_nLastRow)
        return current;
    return target;
}
