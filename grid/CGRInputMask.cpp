#include "CGRInputMask.h"

#include <cctype>
#include <cstring>

namespace {
const char kMaskChars[] = "09#L?Aa&C";
}

BOOL CGRInputMask::IsMaskChar(char ch)
{
    return ch != '\0' && strchr(kMaskChars, ch) != nullptr;
}

// The classes of the mask characters; a space is allowed where the mask
// character says so.
BOOL CGRInputMask::InClass(char chMask, char ch)
{
    unsigned char c = static_cast<unsigned char>(ch);
    switch (chMask) {
    case '0': return isdigit(c) != 0;
    case '9': return isdigit(c) || c == ' ';
    case '#': return isdigit(c) || c == ' ' || c == '+' || c == '-';
    case 'L': return isalpha(c) != 0;
    case '?': return isalpha(c) || c == ' ';
    case 'A': return isalnum(c) != 0;
    case 'a': return isalnum(c) || c == ' ';
    case '&':
    case 'C': return isprint(c) != 0;
    default: return TRUE;
    }
}

// An empty mask switches the mask off and keeps the rest. Otherwise each
// position is an input position of a mask character or a literal; a
// backslash makes the character after it a literal.
void CGRInputMask::SetMask(LPCTSTR lpszMask)
{
    if (!lpszMask || !*lpszMask) {
        m_bActive = 0;
        return;
    }
    m_sMask = lpszMask;
    m_bActive = 1;
    m_sInputMask.Empty();
    m_sTemplate.Empty();
    for (const char* p = lpszMask; *p; ++p) {
        if (*p == '\\' && p[1]) {
            ++p;
            m_sInputMask += kNoChar;
            m_sTemplate += *p;
        } else if (IsMaskChar(*p)) {
            m_sInputMask += *p;
            m_sTemplate += kNoChar;
        } else {
            m_sInputMask += kNoChar;
            m_sTemplate += *p;
        }
    }
}

BOOL CGRInputMask::IsActive() const
{
    return m_bActive;
}

int CGRInputMask::GetPositionCount() const
{
    return m_sInputMask.GetLength();
}

BOOL CGRInputMask::IsLiteralAt(int nPos) const
{
    return nPos >= 0 && nPos < m_sTemplate.GetLength() && m_sTemplate[nPos] != kNoChar;
}

char CGRInputMask::GetLiteralAt(int nPos) const
{
    return IsLiteralAt(nPos) ? m_sTemplate[nPos] : '\0';
}

BOOL CGRInputMask::Accepts(int nPos, char ch) const
{
    if (nPos < 0 || nPos >= m_sInputMask.GetLength())
        return FALSE;
    return InClass(m_sInputMask[nPos], ch);
}

// Literals come from the mask; each input position takes the next text
// character of its class, characters of another class being dropped.
CString CGRInputMask::Filter(LPCTSTR lpszText) const
{
    if (!m_bActive || !lpszText)
        return lpszText ? CString(lpszText) : CString();
    CString sResult;
    const char* p = lpszText;
    for (int nPos = 0; nPos < m_sInputMask.GetLength() && *p; ++nPos) {
        if (IsLiteralAt(nPos)) {
            sResult += m_sTemplate[nPos];
            continue;
        }
        while (*p && !InClass(m_sInputMask[nPos], *p))
            ++p;
        if (!*p)
            break;
        sResult += *p++;
    }
    return sResult;
}
