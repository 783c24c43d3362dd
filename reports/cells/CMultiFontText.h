#pragma once
// Classes in this file: CMultiFontText, a multi-font cell text cut into its
// pieces: single characters to draw and formatting tags. A tag is "<:"
// and everything up to the next ">", or to the end of the text when no
// ">" follows (then nothing after "<:" is drawn).
//
//     "C<:S,-1>50-3150<:S,0>    = "  ->  C, tag "S,-1", 5, 0, -, 3, 1, 5, 0, tag "S,0", ...

#include "CString.h"

#include <vector>

struct CMultiFontPiece {
    bool bTag;
    CString sText;  // the character, or the tag's text as written
};

class CMultiFontText {
public:
    explicit CMultiFontText(const CString& sText);
    const std::vector<CMultiFontPiece>& Pieces() const { return m_pieces; }

private:
    std::vector<CMultiFontPiece> m_pieces;
};
