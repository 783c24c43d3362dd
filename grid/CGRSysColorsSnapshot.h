#pragma once
// Classes in this file: CGRSysColorsSnapshot, the system colours read once
// each and held while it stands in as the current colours, for one drawing
// pass; the colours before it are current again when it ends. Every cell
// made or cleared reads four system colours, and under Wine each read is a
// call into the window system's Unix side.

#include "CGRSysColors.h"

#include <array>

class CGRSysColorsSnapshot : public CGRSysColors {
public:
    CGRSysColorsSnapshot();
    ~CGRSysColorsSnapshot() override;
    CGRSysColorsSnapshot(const CGRSysColorsSnapshot&) = delete;
    CGRSysColorsSnapshot& operator=(const CGRSysColorsSnapshot&) = delete;

    COLORREF GetSysColor(int nIndex) const override;

private:
    static const int kColors = 32;
    const CGRSysColors& m_previous;
    mutable std::array<COLORREF, kColors> m_colors = {};
    mutable std::array<bool, kColors> m_read = {};
};
