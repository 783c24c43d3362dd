#pragma once
// Classes in this file: CGRLocaleSnapshot, the current locale's number
// settings read once and held while it stands in as the current locale,
// for one drawing pass; the locale before it is current again when it ends.

#include "CGRUserLocale.h"

class CGRLocaleSnapshot : public CGRUserLocale {
public:
    CGRLocaleSnapshot();
    ~CGRLocaleSnapshot() override;
    CGRLocaleSnapshot(const CGRLocaleSnapshot&) = delete;
    CGRLocaleSnapshot& operator=(const CGRLocaleSnapshot&) = delete;

    CGRNumberLocale GetNumberLocale() const override;
    BOOL ParseDate(LPCTSTR lpszText, double& dDate) const override;
    BOOL ParseCurrency(LPCTSTR lpszText, LONGLONG& llCurrency) const override;

private:
    const CGRUserLocale& m_previous;
    CGRNumberLocale m_numbers;
};
