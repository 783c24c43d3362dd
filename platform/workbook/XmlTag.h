#pragma once
// Classes in this file: CXmlTag, one start, end or empty tag of an XML part
// as found by a forward scan. The workbook layer edits parts as text and
// needs only their tags: where each starts and ends, its name and its
// attributes; everything between tags is kept as it stands. Comments,
// processing instructions, CDATA sections and declarations are stepped over.

#include <string>
#include <utility>
#include <vector>

class CXmlTag {
public:
    size_t m_nBegin = 0;            // offset of '<'
    size_t m_nEnd = 0;              // offset just past '>'
    std::string m_sName;            // with its namespace prefix, if any
    bool m_bEndTag = false;         // </name>
    bool m_bEmpty = false;          // <name/>
    std::vector<std::pair<std::string, std::string>> m_aAttributes;  // values as written (escaped)

    // The next tag at or after rnPos; false at the end of the text or on a
    // tag that does not close. rnPos moves past the tag.
    static bool Next(const std::string& sXml, size_t& rnPos, CXmlTag& rTag);
    // The first start or empty tag of that local name at or after nPos.
    static bool Find(const std::string& sXml, const std::string& sLocalName, size_t nPos, CXmlTag& rTag);

    std::string LocalName() const;
    std::string Prefix() const;     // "x:" or ""
    bool HasAttribute(const std::string& sName) const;
    std::string Attribute(const std::string& sName) const;  // unescaped; "" when absent
    void SetAttribute(const std::string& sName, const std::string& sValue);  // value unescaped
    void RemoveAttribute(const std::string& sName);
    std::string ToString() const;   // the tag written again
};
