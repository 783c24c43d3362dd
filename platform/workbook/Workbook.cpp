#include "Workbook.h"

#include "WorkbookText.h"
#include "XmlTag.h"

#include "CAtomicFile.h"
#include "CFile.h"
#include "CFileException.h"

namespace {

const char kOleSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
const char kZipSignature[] = "PK\x03\x04";
const char kRelsNamespace[] = "http://schemas.openxmlformats.org/package/2006/relationships";
const char kDocumentRelations[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char kMainNamespace[] = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

bool EndsWith(const std::string& s, const std::string& sEnd)
{
    return s.size() >= sEnd.size() && s.compare(s.size() - sEnd.size(), sEnd.size(), sEnd) == 0;
}

std::string FolderOf(const std::string& sPart)
{
    const size_t nSlash = sPart.rfind('/');
    return nSlash == std::string::npos ? std::string() : sPart.substr(0, nSlash + 1);
}

std::string RelsPartOf(const std::string& sPart)
{
    return FolderOf(sPart) + "_rels/" + sPart.substr(FolderOf(sPart).size()) + ".rels";
}

std::string ResolveTarget(const std::string& sFolder, const std::string& sTarget)
{
    if (!sTarget.empty() && sTarget[0] == '/')
        return sTarget.substr(1);
    std::string sBase = sFolder;
    std::string sRest = sTarget;
    while (sRest.compare(0, 3, "../") == 0) {
        sRest.erase(0, 3);
        if (!sBase.empty())
            sBase = FolderOf(sBase.substr(0, sBase.size() - 1));
    }
    return sBase + sRest;
}

// The first relationship whose type ends with the given name (or whose id
// is the given one).
bool FindRelationship(const std::string& sRelsXml, const std::string& sTypeEnd, const std::string& sId,
                      CXmlTag& rTag)
{
    size_t nPos = 0;
    while (CXmlTag::Find(sRelsXml, "Relationship", nPos, rTag)) {
        if (sId.empty() ? EndsWith(rTag.Attribute("Type"), sTypeEnd) : rTag.Attribute("Id") == sId)
            return true;
        nPos = rTag.m_nEnd;
    }
    return false;
}

// Removes the first empty tag of that local name whose attribute has the value.
void RemoveTag(std::string& sXml, const std::string& sLocalName, const std::string& sAttribute,
               const std::string& sValue)
{
    size_t nPos = 0;
    CXmlTag tag;
    while (CXmlTag::Find(sXml, sLocalName, nPos, tag)) {
        if (tag.m_bEmpty && tag.Attribute(sAttribute) == sValue) {
            sXml.erase(tag.m_nBegin, tag.m_nEnd - tag.m_nBegin);
            return;
        }
        nPos = tag.m_nEnd;
    }
}

std::string SheetAttributeId(const CXmlTag& sheet)
{
    for (const auto& attribute : sheet.m_aAttributes)
        if (EndsWith(attribute.first, ":id"))
            return WorkbookText::XmlUnescape(attribute.second);
    return std::string();
}

}  // namespace

CWorkbook::LoadResult CWorkbook::Load(const CString& sPath)
{
    CFile file;
    if (!file.Open(sPath, CFile::modeRead | CFile::shareDenyWrite))
        return Fail(loadNoFile, "the file cannot be opened");
    std::string sBytes;
    try {
        sBytes.resize(static_cast<size_t>(file.GetLength()));
        if (!sBytes.empty() && file.Read(&sBytes[0], static_cast<UINT>(sBytes.size())) != sBytes.size())
            return Fail(loadDamaged, "the file cannot be read whole");
    } catch (const CFileException&) {
        return Fail(loadNoFile, "the file cannot be read");
    }
    return LoadBytes(sBytes);
}

CWorkbook::LoadResult CWorkbook::LoadBytes(const std::string& sBytes)
{
    m_aSheets.clear();
    m_aSharedStrings.clear();
    m_sError.clear();
    if (sBytes.compare(0, 8, kOleSignature, 8) == 0)
        return Fail(loadLegacyFormat, "the workbook is in the Excel 97-2003 format");
    if (sBytes.compare(0, 4, kZipSignature, 4) != 0)
        return Fail(loadNotWorkbook, "the file is not a workbook");
    if (!m_Zip.Read(sBytes, m_sError) || !ReadPackage())
        return Fail(loadDamaged, m_sError);
    return loadOk;
}

CWorkbook::LoadResult CWorkbook::Fail(LoadResult nResult, const std::string& sError)
{
    m_aSheets.clear();
    m_Zip = CZipArchive();
    m_sError = sError;
    return nResult;
}

bool CWorkbook::ReadPackage()
{
    std::string sRootRels, sWorkbook, sWorkbookRels;
    CXmlTag relation;
    if (!m_Zip.Extract("_rels/.rels", sRootRels, m_sError))
        return false;
    if (!FindRelationship(sRootRels, "/officeDocument", "", relation)) {
        m_sError = "the file holds no workbook";
        return false;
    }
    m_sWorkbookPart = ResolveTarget("", relation.Attribute("Target"));
    const std::string sFolder = FolderOf(m_sWorkbookPart);
    if (!m_Zip.Extract(m_sWorkbookPart, sWorkbook, m_sError) ||
        !m_Zip.Extract(RelsPartOf(m_sWorkbookPart), sWorkbookRels, m_sError) ||
        !ReadSharedStrings(sWorkbookRels, sFolder))
        return false;
    size_t nPos = 0;
    CXmlTag sheet;
    while (CXmlTag::Find(sWorkbook, "sheet", nPos, sheet)) {
        nPos = sheet.m_nEnd;
        if (!FindRelationship(sWorkbookRels, "", SheetAttributeId(sheet), relation)) {
            m_sError = "a sheet of the workbook has no part";
            return false;
        }
        SheetEntry entry;
        entry.sName = WorkbookText::Utf8ToCp1252(sheet.Attribute("name"));
        entry.sPart = ResolveTarget(sFolder, relation.Attribute("Target"));
        if (EndsWith(relation.Attribute("Type"), "/worksheet")) {
            std::string sXml;
            entry.pSheet = std::make_unique<CWorkbookSheet>(&m_aSharedStrings);
            if (!m_Zip.Extract(entry.sPart, sXml, m_sError) || !entry.pSheet->Parse(sXml, m_sError))
                return false;
        }
        m_aSheets.push_back(std::move(entry));
    }
    if (m_aSheets.empty()) {
        m_sError = "the workbook has no sheet";
        return false;
    }
    return true;
}

bool CWorkbook::ReadSharedStrings(const std::string& sRelsXml, const std::string& sFolder)
{
    CXmlTag relation;
    if (!FindRelationship(sRelsXml, "/sharedStrings", "", relation))
        return true;
    std::string sXml;
    if (!m_Zip.Extract(ResolveTarget(sFolder, relation.Attribute("Target")), sXml, m_sError))
        return false;
    size_t nPos = 0;
    CXmlTag item;
    while (CXmlTag::Find(sXml, "si", nPos, item)) {
        const size_t nClose = item.m_bEmpty ? item.m_nEnd : sXml.find("</" + item.m_sName + ">", item.m_nEnd);
        if (nClose == std::string::npos) {
            m_sError = "the workbook's shared texts are damaged";
            return false;
        }
        m_aSharedStrings.push_back(
            WorkbookText::Utf8ToCp1252(CWorkbookSheet::RichText(sXml.substr(item.m_nEnd, nClose - item.m_nEnd))));
        nPos = nClose;
    }
    return true;
}

std::string CWorkbook::GetSheetName(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetSheetCount() ? m_aSheets[static_cast<size_t>(nIndex)].sName : std::string();
}

CWorkbookSheet* CWorkbook::GetSheet(int nIndex)
{
    return nIndex >= 0 && nIndex < GetSheetCount() ? m_aSheets[static_cast<size_t>(nIndex)].pSheet.get() : nullptr;
}

bool CWorkbook::GetPart(const std::string& sName, std::string& rsData) const
{
    std::string sError;
    return m_Zip.Extract(sName, rsData, sError);
}

void CWorkbook::SetPart(const std::string& sName, const std::string& sData, const std::string& sContentType)
{
    m_Zip.Store(sName, sData);
    std::string sTypes;
    if (sContentType.empty() || !GetPart("[Content_Types].xml", sTypes))
        return;
    RemoveTag(sTypes, "Override", "PartName", "/" + sName);
    const size_t nEnd = sTypes.rfind("</");
    sTypes.insert(nEnd, "<Override PartName=\"/" + sName + "\" ContentType=\"" + sContentType + "\"/>");
    m_Zip.Store("[Content_Types].xml", sTypes);
}

// Edited cells invalidate the cached results of formulas that depend on
// them: the workbook asks to be recalculated when opened, and the
// calculation chain, which would list stale cells, goes.
void CWorkbook::PrepareForSave()
{
    bool bModified = false;
    for (const SheetEntry& entry : m_aSheets) {
        if (entry.pSheet && entry.pSheet->IsModified()) {
            m_Zip.Store(entry.sPart, entry.pSheet->ToXml());
            bModified = true;
        }
    }
    if (!bModified)
        return;
    std::string sWorkbook, sRels, sTypes;
    GetPart(m_sWorkbookPart, sWorkbook);
    CXmlTag calcPr;
    if (CXmlTag::Find(sWorkbook, "calcPr", 0, calcPr)) {
        calcPr.SetAttribute("fullCalcOnLoad", "1");
        sWorkbook.replace(calcPr.m_nBegin, calcPr.m_nEnd - calcPr.m_nBegin, calcPr.ToString());
    } else {
        static const char* const kAfterCalcPr[] = {"oleSize", "customWorkbookViews", "pivotCaches",
                                                   "smartTagPr", "smartTagTypes", "webPublishing",
                                                   "fileRecoveryPr", "webPublishObjects", "extLst"};
        CXmlTag root;
        CXmlTag::Find(sWorkbook, "workbook", 0, root);
        size_t nInsert = sWorkbook.rfind("</");
        for (const char* pName : kAfterCalcPr) {
            CXmlTag after;
            if (CXmlTag::Find(sWorkbook, pName, 0, after) && after.m_nBegin < nInsert)
                nInsert = after.m_nBegin;
        }
        sWorkbook.insert(nInsert, "<" + root.Prefix() + "calcPr fullCalcOnLoad=\"1\"/>");
    }
    m_Zip.Store(m_sWorkbookPart, sWorkbook);

    const std::string sRelsPart = RelsPartOf(m_sWorkbookPart);
    CXmlTag chain;
    if (GetPart(sRelsPart, sRels) && FindRelationship(sRels, "/calcChain", "", chain)) {
        const std::string sChainPart = ResolveTarget(FolderOf(m_sWorkbookPart), chain.Attribute("Target"));
        sRels.erase(chain.m_nBegin, chain.m_nEnd - chain.m_nBegin);
        m_Zip.Store(sRelsPart, sRels);
        m_Zip.Remove(sChainPart);
        if (GetPart("[Content_Types].xml", sTypes)) {
            RemoveTag(sTypes, "Override", "PartName", "/" + sChainPart);
            m_Zip.Store("[Content_Types].xml", sTypes);
        }
    }
}

std::string CWorkbook::SaveBytes()
{
    PrepareForSave();
    return m_Zip.Write();
}

BOOL CWorkbook::Save(const CString& sPath)
{
    if (m_aSheets.empty()) {
        m_sError = "no workbook is loaded";
        return FALSE;
    }
    const std::string sBytes = SaveBytes();
    CAtomicFile save;
    if (!save.Open(sPath)) {
        m_sError = "the file cannot be written";
        return FALSE;
    }
    try {
        save.GetFile().Write(sBytes.data(), static_cast<UINT>(sBytes.size()));
        save.Commit();
    } catch (const CFileException&) {
        save.Abort();
        m_sError = "the file cannot be written";
        return FALSE;
    }
    return TRUE;
}

void CWorkbook::CreateNew(const std::vector<std::string>& aSheetNames)
{
    CZipArchive zip;
    std::string sTypes =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
        "<Override PartName=\"/xl/styles.xml\" "
        "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>";
    std::string sSheets, sRels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<Relationships xmlns=\"" +
        std::string(kRelsNamespace) + "\"><Relationship Id=\"rIdStyles\" Type=\"" + kDocumentRelations +
        "/styles\" Target=\"styles.xml\"/>";
    for (size_t i = 0; i < aSheetNames.size(); ++i) {
        const std::string sNumber = std::to_string(i + 1);
        const std::string sPart = "worksheets/sheet" + sNumber + ".xml";
        sTypes += "<Override PartName=\"/xl/" + sPart +
                  "\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
        sRels += "<Relationship Id=\"rId" + sNumber + "\" Type=\"" + kDocumentRelations + "/worksheet\" Target=\"" +
                 sPart + "\"/>";
        sSheets += "<sheet name=\"" + WorkbookText::XmlEscape(WorkbookText::Cp1252ToUtf8(aSheetNames[i])) +
                   "\" sheetId=\"" + sNumber + "\" r:id=\"rId" + sNumber + "\"/>";
        zip.Store("xl/" + sPart, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet xmlns=\"" +
                                     std::string(kMainNamespace) + "\"><sheetData/></worksheet>");
    }
    zip.Store("[Content_Types].xml", sTypes + "</Types>");
    zip.Store("_rels/.rels", "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<Relationships xmlns=\"" +
                                 std::string(kRelsNamespace) + "\"><Relationship Id=\"rId1\" Type=\"" +
                                 kDocumentRelations + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>");
    zip.Store("xl/workbook.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<workbook xmlns=\"" +
                                     std::string(kMainNamespace) + "\" xmlns:r=\"" + kDocumentRelations +
                                     "\"><sheets>" + sSheets + "</sheets></workbook>");
    zip.Store("xl/_rels/workbook.xml.rels", sRels + "</Relationships>");
    zip.Store("xl/styles.xml",
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<styleSheet xmlns=\"" +
                  std::string(kMainNamespace) +
                  "\"><numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"0.0\"/></numFmts>"
                  "<fonts count=\"2\"><font><sz val=\"10\"/><name val=\"Arial\"/></font>"
                  "<font><b/><sz val=\"10\"/><name val=\"Arial\"/></font></fonts>"
                  "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
                  "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
                  "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
                  "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
                  "<cellXfs count=\"3\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
                  "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/>"
                  "<xf numFmtId=\"164\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>"
                  "</cellXfs></styleSheet>");
    LoadBytes(zip.Write());
}
