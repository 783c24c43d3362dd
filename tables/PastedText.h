#pragma once
// Classes in this file: CPastedText, a clipboard text pasted into a
// measurement table: its lines, what kind of text it is (the tables' own
// copy of measurements, an outside analyser's export, or plain values) and
// whether it holds the other quantity (levels against reverberation times).

#include "afx.h"

#include <vector>

class CPastedText {
public:
    enum Kind { kTableCopy, kAnalyserExport, kPlain };

    explicit CPastedText(const CString& sText);

    Kind GetKind() const;
    // Line n without its "\n" (a carriage return stays); empty past the end.
    CString Line(int n) const;
    int LineCount() const { return static_cast<int>(m_aLines.size()); }
    // A table copy or an analyser export of levels pasted into a
    // reverberation table, or of times pasted into a level table.
    bool IsOtherQuantity(bool bReverberationTable) const;
    // The text without the final line end, as plain values are read.
    CString PlainText() const;

private:
    CString m_sText;  // always ends with "\n"
    std::vector<CString> m_aLines;
};
