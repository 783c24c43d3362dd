#include "CMultiFontText.h"

CMultiFontText::CMultiFontText(const CString& sText)
{
    const int nLength = sText.GetLength();
    for (int i = 0; i < nLength;) {
        if (sText[i] == '<' && i + 1 < nLength && sText[i + 1] == ':') {
            const int nEnd = sText.Find('>', i + 2);
            const int nStop = nEnd < 0 ? nLength : nEnd;
            m_pieces.push_back({true, sText.Mid(i + 2, nStop - i - 2)});
            i = nStop + 1;
        } else {
            m_pieces.push_back({false, sText.Mid(i, 1)});
            ++i;
        }
    }
}
