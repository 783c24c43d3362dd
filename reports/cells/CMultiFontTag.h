#pragma once
// Classes in this file: CMultiFontTag, one formatting tag of a multi-font
// cell text, upper-cased and split at its commas (the first 29 count):
//
//     F,face,height,weight   a font (height 12 and weight 400 when missing)
//     C,red,green,blue       the text colour (255 for a missing component)
//     S,n                    n not 0: sub- or superscript font; 0 or none:
//                            back to the font before it
//
// The baseline moves only for the tags written exactly "S,-1" (subscript)
// and "S,1" (superscript): "s,-1" changes the font but not the baseline.

#include "CString.h"

#include <vector>

class CMultiFontTag {
public:
    explicit CMultiFontTag(const CString& sWritten);

    char Letter() const;
    // The number in field nField (standard decimal conversion), nMissing
    // when the tag has no such field.
    int Number(int nField, int nMissing) const;
    CString Field(int nField) const;
    bool HasField(int nField) const { return nField < static_cast<int>(m_fields.size()); }
    bool IsSubscript() const { return m_sWritten == "S,-1"; }
    bool IsSuperscript() const { return m_sWritten == "S,1"; }

private:
    CString m_sWritten;
    std::vector<CString> m_fields;
};
