#pragma once
// Classes in this file: CTKDockRows, the row arithmetic of a sizable dock
// bar over a snapshot of its bar array: what a row holds, fitting a row's
// sizable bars to a length, giving up length along a row, the row under a
// point and the signature of the visible bars. Window-free, so that the
// numbers the dock bar lays its bars out by are tested without windows.

#include <cstdint>
#include <vector>

// One entry of a dock bar's bar array.
struct CTKDockRowEntry {
    enum Kind { kSeparator, kPlaceHolder, kBar };
    Kind nKind = kSeparator;
    bool bVisible = false;
    bool bSizeBar = false;  // a sizable bar, laid out by its docked size
    int nLength = 0;        // along the row (a sizable bar's docked length)
    int nThickness = 0;     // across the row
    int nMinTrackWidth = 0;   // what the bar answers to WM_GETMINMAXINFO
    int nMinTrackHeight = 0;

    bool IsVisibleBar() const { return nKind == kBar && bVisible; }
    bool IsVisibleSizeBar() const { return IsVisibleBar() && bSizeBar; }
};

// What one row holds (from its first entry to the separator that ends it).
struct CTKDockRowInfo {
    int nSizeLength = 0;      // the sizable bars' lengths added
    int nFixedLength = 0;     // the other bars' lengths, and a splitter between two sizable bars
    int nMaxThickness = 0;
    int nMaxFixedThickness = 0;  // of the bars that are not sizable
    int nSizeBars = 0;
    int nVisibleBars = 0;
    int nMinTrackWidth = 0;
    int nMinTrackHeight = 0;

    int TotalLength() const { return nSizeLength + nFixedLength; }
};

class CTKDockRows {
public:
    // The width of a splitter between two sizable bars, and between rows.
    static const int kSplitter = 8;

    CTKDockRows() = default;
    explicit CTKDockRows(std::vector<CTKDockRowEntry> entries) : m_entries(std::move(entries)) {}

    std::vector<CTKDockRowEntry>& Entries() { return m_entries; }
    const std::vector<CTKDockRowEntry>& Entries() const { return m_entries; }

    // The row's first entry for any index in it, and the separator (or the
    // array's end) that ends it.
    int RowStart(int nIndex) const;
    int RowEnd(int nIndex) const;

    CTKDockRowInfo RowInfo(int nStart) const;

    // Shares nAvailable among the row's sizable bars in proportion to their
    // lengths; nBorder is the overlap of two neighbouring bars along the
    // row. Every sizable bar of the row takes the row's thickness. False
    // (nothing changed) for a row without sizable bars.
    bool FitRow(int nStart, int nAvailable, int nBorder);

    // The row's visible sizable bars from nIndex on (forward) or before it
    // (backward) give up nAmount, the nearest first; nFreeSpace is the room
    // behind the row's last bar, which the forward walk takes as well.
    // nGiven receives what they gave; bCommit shortens them. Answers the
    // number of bars walked.
    int ShrinkForward(int nIndex, int nAmount, int nFreeSpace, bool bCommit, int& nGiven);
    int ShrinkBackward(int nIndex, int nAmount, bool bCommit, int& nGiven);

    // The separator that ends the row a point falls into, nAcross being its
    // distance from the dock bar's start across the rows; 0 before the
    // first row, -1 past the last. nBorder is taken off every row's
    // thickness (neighbouring rows overlap by it).
    int FindRow(int nAcross, int nBorder) const;

    // Changes whenever a bar shows, hides or moves to another place of the
    // array; the low byte counts the visible bars.
    uint32_t Signature() const;

private:
    int GiveUp(CTKDockRowEntry& entry, int& nRemaining, bool bCommit) const;

    std::vector<CTKDockRowEntry> m_entries;
};
