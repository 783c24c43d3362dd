#include "CTKDockRows.h"

#include <algorithm>

int CTKDockRows::RowStart(int nIndex) const
{
    while (nIndex > 0 && m_entries[nIndex - 1].nKind != CTKDockRowEntry::kSeparator)
        --nIndex;
    return nIndex;
}

int CTKDockRows::RowEnd(int nIndex) const
{
    const int nSize = static_cast<int>(m_entries.size());
    while (nIndex < nSize && m_entries[nIndex].nKind != CTKDockRowEntry::kSeparator)
        ++nIndex;
    return nIndex;
}

// A splitter lies only between two sizable bars that follow each other
// directly among the visible bars.
CTKDockRowInfo CTKDockRows::RowInfo(int nStart) const
{
    CTKDockRowInfo info;
    bool bLastWasSizeBar = false;
    const int nEnd = RowEnd(nStart);
    for (int i = nStart; i < nEnd; ++i) {
        const CTKDockRowEntry& entry = m_entries[i];
        if (!entry.IsVisibleBar())
            continue;
        ++info.nVisibleBars;
        info.nMaxThickness = std::max(info.nMaxThickness, entry.nThickness);
        info.nMinTrackWidth = std::max(info.nMinTrackWidth, entry.nMinTrackWidth);
        info.nMinTrackHeight = std::max(info.nMinTrackHeight, entry.nMinTrackHeight);
        if (entry.bSizeBar) {
            ++info.nSizeBars;
            info.nSizeLength += entry.nLength;
            if (bLastWasSizeBar)
                info.nFixedLength += kSplitter;
        } else {
            info.nFixedLength += entry.nLength;
            info.nMaxFixedThickness = std::max(info.nMaxFixedThickness, entry.nThickness);
        }
        bLastWasSizeBar = entry.bSizeBar;
    }
    return info;
}

// Each bar's share is taken from the whole length left, so truncation
// loses at most a pixel a bar; a row whose bars have no length yet gives
// everything to its first bar.
bool CTKDockRows::FitRow(int nStart, int nAvailable, int nBorder)
{
    const CTKDockRowInfo info = RowInfo(nStart);
    if (info.nSizeBars == 0)
        return false;
    const int nLeft = nAvailable - info.nFixedLength + nBorder * info.nVisibleBars;
    int nRemainder = nLeft;
    const int nEnd = RowEnd(nStart);
    for (int i = nStart; i < nEnd; ++i) {
        CTKDockRowEntry& entry = m_entries[i];
        if (!entry.IsVisibleSizeBar())
            continue;
        int nNewLength = nRemainder;
        if (info.nSizeLength != 0) {
            const long long nProduct = static_cast<long long>(entry.nLength) * nLeft;
            nNewLength = static_cast<int>(nProduct / info.nSizeLength);
            if (nNewLength < 0)
                ++nNewLength;
        }
        nRemainder -= nNewLength;
        entry.nLength = nNewLength;
        entry.nThickness = info.nMaxThickness;
    }
    return true;
}

// A bar long enough gives what is still wanted and ends the walk; a
// shorter one gives all it has. A negative amount makes the first bar
// reached longer.
int CTKDockRows::GiveUp(CTKDockRowEntry& entry, int& nRemaining, bool bCommit) const
{
    if (entry.nLength >= nRemaining) {
        if (bCommit)
            entry.nLength -= nRemaining;
        nRemaining = 0;
        return 0;
    }
    nRemaining -= entry.nLength;
    if (bCommit)
        entry.nLength = 0;
    return nRemaining;
}

int CTKDockRows::ShrinkForward(int nIndex, int nAmount, int nFreeSpace, bool bCommit, int& nGiven)
{
    int nRemaining = nAmount;
    int nBars = 0;
    const int nEnd = RowEnd(nIndex);
    for (int i = nIndex; i < nEnd && nRemaining != 0; ++i) {
        if (!m_entries[i].IsVisibleSizeBar())
            continue;
        ++nBars;
        GiveUp(m_entries[i], nRemaining, bCommit);
    }
    if (nRemaining > 0)
        nRemaining -= std::min(nRemaining, std::max(0, nFreeSpace));
    nGiven = nAmount - nRemaining;
    return nBars;
}

int CTKDockRows::ShrinkBackward(int nIndex, int nAmount, bool bCommit, int& nGiven)
{
    int nRemaining = nAmount;
    int nBars = 0;
    const int nStart = RowStart(nIndex);
    for (int i = nIndex - 1; i >= nStart && nRemaining != 0; --i) {
        if (!m_entries[i].IsVisibleSizeBar())
            continue;
        ++nBars;
        GiveUp(m_entries[i], nRemaining, bCommit);
    }
    nGiven = nAmount - nRemaining;
    return nBars;
}

int CTKDockRows::FindRow(int nAcross, int nBorder) const
{
    if (nAcross < 0)
        return 0;
    int nTotal = 0;
    int nRowThickness = 0;
    const int nSize = static_cast<int>(m_entries.size());
    for (int i = 1; i <= nSize; ++i) {
        if (i < nSize && m_entries[i].nKind != CTKDockRowEntry::kSeparator) {
            if (m_entries[i].IsVisibleBar())
                nRowThickness = std::max(nRowThickness, m_entries[i].nThickness);
            continue;
        }
        if (nRowThickness == 0)
            continue;
        nTotal += nRowThickness - nBorder;
        nRowThickness = 0;
        if (nTotal > nAcross)
            return i;
    }
    return -1;
}

uint32_t CTKDockRows::Signature() const
{
    uint32_t nRunning = 0;
    uint32_t nVisible = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const CTKDockRowEntry& entry = m_entries[i];
        if (entry.nKind == CTKDockRowEntry::kSeparator) {
            nRunning *= 2;
        } else if (entry.IsVisibleBar()) {
            nRunning += 1 + (entry.bSizeBar ? static_cast<uint32_t>(i) : 0);
            ++nVisible;
        }
    }
    return (nRunning << 8) | (nVisible & 0xFF);
}
