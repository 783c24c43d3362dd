#include "XmlTag.h"

#include "WorkbookText.h"

#include <cstring>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Skips what is not an element tag; npos when it does not close.
size_t SkipSpecial(const std::string& sXml, size_t nPos)
{
    static const struct { const char* pOpen; const char* pClose; } kSpecial[] = {
        {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}, {"<!", ">"}};
    for (const auto& special : kSpecial) {
        if (sXml.compare(nPos, std::strlen(special.pOpen), special.pOpen) == 0) {
            const size_t nClose = sXml.find(special.pClose, nPos + std::strlen(special.pOpen));
            return nClose == std::string::npos ? nClose : nClose + std::strlen(special.pClose);
        }
    }
    return nPos;
}

}  // namespace

bool CXmlTag::Next(const std::string& sXml, size_t& rnPos, CXmlTag& rTag)
{
    for (;;) {
        const size_t nOpen = sXml.find('<', rnPos);
        if (nOpen == std::string::npos)
            return false;
        const size_t nSkipped = SkipSpecial(sXml, nOpen);
        if (nSkipped == std::string::npos)
            return false;
        if (nSkipped != nOpen) {
            rnPos = nSkipped;
            continue;
        }
        rTag = CXmlTag();
        rTag.m_nBegin = nOpen;
        size_t nPos = nOpen + 1;
        if (nPos < sXml.size() && sXml[nPos] == '/') {
            rTag.m_bEndTag = true;
            ++nPos;
        }
        const size_t nNameEnd = sXml.find_first_of(" \t\r\n/>", nPos);
        if (nNameEnd == std::string::npos)
            return false;
        rTag.m_sName = sXml.substr(nPos, nNameEnd - nPos);
        nPos = nNameEnd;
        for (;;) {
            while (nPos < sXml.size() && IsSpace(sXml[nPos]))
                ++nPos;
            if (nPos >= sXml.size())
                return false;
            if (sXml[nPos] == '>') {
                ++nPos;
                break;
            }
            if (sXml.compare(nPos, 2, "/>") == 0) {
                rTag.m_bEmpty = true;
                nPos += 2;
                break;
            }
            const size_t nEq = sXml.find('=', nPos);
            if (nEq == std::string::npos || nEq + 1 >= sXml.size())
                return false;
            size_t nNameStop = nEq;
            while (nNameStop > nPos && IsSpace(sXml[nNameStop - 1]))
                --nNameStop;
            size_t nQuote = nEq + 1;
            while (nQuote < sXml.size() && IsSpace(sXml[nQuote]))
                ++nQuote;
            if (nQuote >= sXml.size() || (sXml[nQuote] != '"' && sXml[nQuote] != '\''))
                return false;
            const size_t nClose = sXml.find(sXml[nQuote], nQuote + 1);
            if (nClose == std::string::npos)
                return false;
            rTag.m_aAttributes.emplace_back(sXml.substr(nPos, nNameStop - nPos),
                                            sXml.substr(nQuote + 1, nClose - nQuote - 1));
            nPos = nClose + 1;
        }
        rTag.m_nEnd = nPos;
        rnPos = nPos;
        return true;
    }
}

bool CXmlTag::Find(const std::string& sXml, const std::string& sLocalName, size_t nPos, CXmlTag& rTag)
{
    while (Next(sXml, nPos, rTag))
        if (!rTag.m_bEndTag && rTag.LocalName() == sLocalName)
            return true;
    return false;
}

std::string CXmlTag::LocalName() const
{
    const size_t nColon = m_sName.find(':');
    return nColon == std::string::npos ? m_sName : m_sName.substr(nColon + 1);
}

std::string CXmlTag::Prefix() const
{
    const size_t nColon = m_sName.find(':');
    return nColon == std::string::npos ? std::string() : m_sName.substr(0, nColon + 1);
}

bool CXmlTag::HasAttribute(const std::string& sName) const
{
    for (const auto& attribute : m_aAttributes)
        if (attribute.first == sName)
            return true;
    return false;
}

std::string CXmlTag::Attribute(const std::string& sName) const
{
    for (const auto& attribute : m_aAttributes)
        if (attribute.first == sName)
            return WorkbookText::XmlUnescape(attribute.second);
    return std::string();
}

void CXmlTag::SetAttribute(const std::string& sName, const std::string& sValue)
{
    const std::string sEscaped = WorkbookText::XmlEscape(sValue);
    for (auto& attribute : m_aAttributes) {
        if (attribute.first == sName) {
            attribute.second = sEscaped;
            return;
        }
    }
    m_aAttributes.emplace_back(sName, sEscaped);
}

void CXmlTag::RemoveAttribute(const std::string& sName)
{
    for (auto it = m_aAttributes.begin(); it != m_aAttributes.end(); ++it) {
        if (it->first == sName) {
            m_aAttributes.erase(it);
            return;
        }
    }
}

std::string CXmlTag::ToString() const
{
    std::string s = m_bEndTag ? "</" : "<";
    s += m_sName;
    for (const auto& attribute : m_aAttributes)
        s += " " + attribute.first + "=\"" + attribute.second + "\"";
    s += m_bEmpty ? "/>" : ">";
    return s;
}
