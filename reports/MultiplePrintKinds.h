#pragma once
// Classes in this file: CMultiplePrintKinds, the window kinds multiple print
// knows, one bit of the selection mask each, in print order: which window a
// bit stands for, whether it is a measurement table, and whether a project
// of a kind has that window at all.

class CReportInfo;

class CMultiplePrintKinds {
public:
    enum { kKindCount = 13 };

    static int ViewKindOf(int nBit);
    static bool IsTable(int nBit);
    // The bit of a view kind; -1 for a window multiple print does not print.
    static int BitOf(int nViewKind);
    static bool IsPrintedFor(int nBit, const CReportInfo& info);
};
