#include "PastedText.h"

namespace {
// The heading row of a table copy and the unit line of an analyser export.
constexpr int kCopyHeadingLine = 1;
constexpr int kExportUnitLine = 17;
} // namespace

CPastedText::CPastedText(const CString& sText) : m_sText(sText)
{
    if (m_sText.IsEmpty() || m_sText[m_sText.GetLength() - 1] != '\n')
        m_sText += '\n';
    int nStart = 0;
    for (int nEnd = m_sText.Find('\n'); nEnd >= 0; nEnd = m_sText.Find('\n', nStart)) {
        m_aLines.push_back(m_sText.Mid(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
}

// A text with both markers is the tables' own copy.
CPastedText::Kind CPastedText::GetKind() const
{
    if (m_sText.Find("\tS\tN") >= 0)
        return kTableCopy;
    if (m_sText.Find("Partial\t") >= 0)
        return kAnalyserExport;
    return kPlain;
}

CString CPastedText::Line(int n) const
{
    return n >= 0 && n < LineCount() ? m_aLines[static_cast<size_t>(n)] : CString();
}

// A table copy names its columns in its second line ("T" only in a
// reverberation table, "Corr" only in a level table); an analyser export
// gives its unit in line 17 ("Pa" for levels, "s" for times).
bool CPastedText::IsOtherQuantity(bool bReverberationTable) const
{
    switch (GetKind()) {
    case kTableCopy:
        return Line(kCopyHeadingLine).Find(bReverberationTable ? "Corr" : "T") >= 0;
    case kAnalyserExport:
        return Line(kExportUnitLine).Find(bReverberationTable ? "Pa" : "s") >= 0;
    default:
        return false;
    }
}

CString CPastedText::PlainText() const
{
    return m_sText.Left(m_sText.GetLength() - 1);
}
