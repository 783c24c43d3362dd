// Tests of CMruReportInfoList: the recently used methods through an in-memory
// profile.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "newproject/MruReportInfoList.h"

namespace
{

// The profile as the application keeps it: integers by section and entry, and
// one descriptor per section. A section never written reads back as the
// descriptor store gives it, with "?" for every method text.
class CMemoryMruStore : public CMruStore
{
public:
    int GetProfileInt(LPCTSTR szSection, LPCTSTR szEntry, int nDefault) override
    {
        const auto it = m_ints.find({szSection, szEntry});
        return it == m_ints.end() ? nDefault : it->second;
    }

    BOOL WriteProfileInt(LPCTSTR szSection, LPCTSTR szEntry, int nValue) override
    {
        m_ints[{szSection, szEntry}] = nValue;
        return TRUE;
    }

    void LoadReportInfo(const CString& sSection, CReportInfo& info) override
    {
        const auto it = m_sections.find(static_cast<LPCTSTR>(sSection));
        if (it != m_sections.end())
        {
            info = it->second;
            return;
        }
        info.m_sTitle = info.m_sSubTitle = info.m_sIndexStr = info.m_sSubscript = "?";
        info.m_sGraphTitle = info.m_sTreeTitle = info.m_sTemplateFileName = "?";
    }

    void SaveReportInfo(const CString& sSection, const CReportInfo& info) override
    {
        m_sections[static_cast<LPCTSTR>(sSection)] = info;
        m_savedOrder.push_back(static_cast<LPCTSTR>(sSection));
    }

    std::map<std::pair<std::string, std::string>, int> m_ints;
    std::map<std::string, CReportInfo> m_sections;
    std::vector<std::string> m_savedOrder;
};

CReportInfo WithTreeTitle(const std::string& sTreeTitle)
{
    CReportInfo info(true);
    info.m_bField = true;
    info.m_sTreeTitle = sTreeTitle.c_str();
    info.m_sGraphTitle = "Graph title";
    return info;
}

// Methods named by a letter: their tree titles are "Method A", "Method B", ...
const std::string kMethodPrefix = "Method ";

CReportInfo Method(LPCTSTR szLetter)
{
    return WithTreeTitle(kMethodPrefix + szLetter);
}

std::vector<CReportInfo> Methods(const std::string& sTitles)
{
    std::vector<CReportInfo> methods;
    for (char ch : sTitles)
        methods.push_back(Method(std::string(1, ch).c_str()));
    return methods;
}

// The letters of the methods in order; any other tree title in brackets.
std::string TreeTitles(const CMruReportInfoList& list)
{
    std::string sTitles;
    for (const CReportInfo& info : list.GetEntries()) {
        const std::string sTitle = static_cast<LPCTSTR>(info.m_sTreeTitle);
        sTitles += sTitle.rfind(kMethodPrefix, 0) == 0 ? sTitle.substr(kMethodPrefix.size()) : "[" + sTitle + "]";
    }
    return sTitles;
}

const std::pair<std::string, std::string> kMaxKey = {"Settings", "nMaxMruRepInfo"};

} // namespace

TEST(MruReportInfoList, NamesTheSectionOfEachEntryBelowMruReportInfo)
{
    EXPECT_STREQ(CMruReportInfoList::GetSectionName(0), "MRU ReportInfo\\MRU #0");
    EXPECT_STREQ(CMruReportInfoList::GetSectionName(5), "MRU ReportInfo\\MRU #5");
    EXPECT_STREQ(CMruReportInfoList::GetSectionName(12), "MRU ReportInfo\\MRU #12");
}

TEST(MruReportInfoList, PutsTheChosenMethodFirstAndKeepsTheOrderOfTheOthers)
{
    const struct
    {
        const char* szOld;
        const char* szChosen;
        int nMax;  // 0: no value in the profile
        const char* szNew;
    } rows[] = {
        {"", "G", 6, "G"},
        {"ABCDEF", "G", 6, "GABCDE"},
        {"ABCDEF", "D", 6, "DABCEF"},
        {"ABCDEF", "A", 6, "ABCDEF"},
        {"ABCDEF", "G", 0, "GABCDE"},
        {"ABC", "B", 6, "BAC"},
        {"ABCDEF", "G", 3, "GAB"},
        // The walk stops only when the list holds exactly the maximum.
        {"ABCDEF", "G", -1, "GABCDEF"},
        {"ABCD", "A", 1, "A"},
        {"ABCD", "B", 1, "BACD"},
        {"ABCDEFG", "H", 8, "HABCDEFG"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(std::string(row.szOld) + " + " + row.szChosen);
        CMemoryMruStore store;
        if (row.nMax != 0)
            store.m_ints[kMaxKey] = row.nMax;
        CMruReportInfoList list;
        list.SetEntries(Methods(row.szOld));
        list.PutFirst(Method(row.szChosen), store);
        EXPECT_EQ(TreeTitles(list), row.szNew);
        EXPECT_EQ(store.m_ints[kMaxKey], 6);
    }
}

TEST(MruReportInfoList, KeepsTheChosenCopyOfAMethodUsedBefore)
{
    CMemoryMruStore store;
    CMruReportInfoList list;
    list.SetEntries(Methods("AB"));
    CReportInfo chosen = Method("B");
    chosen.m_nCoincidenceFreq = 3;
    list.PutFirst(chosen, store);
    ASSERT_EQ(TreeTitles(list), "BA");
    EXPECT_EQ(list.GetEntries()[0].m_nCoincidenceFreq, 3);
}

TEST(MruReportInfoList, TellsTreeTitlesApartByCase)
{
    CMemoryMruStore store;
    CMruReportInfoList list;
    list.SetEntries(Methods("ab"));
    list.PutFirst(Method("A"), store);
    EXPECT_EQ(TreeTitles(list), "Aab");
}

TEST(MruReportInfoList, LoadsUpToTheMaximumAndOnlyEntriesWithATreeTitleOfMoreThanThreeCharacters)
{
    const struct
    {
        const char* szCase;
        int nMax;  // 0: no value in the profile
        const char* szLoaded;
    } rows[] = {
        {"default maximum", 0, "ABD[ISO1]F"},
        {"maximum 3", 3, "AB"},
        {"maximum 8", 8, "ABD[ISO1]FG"},
        {"negative maximum", -5, ""},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.szCase);
        CMemoryMruStore store;
        if (row.nMax != 0)
            store.m_ints[kMaxKey] = row.nMax;
        CReportInfo noGraphTitle = Method("F");
        noGraphTitle.m_sGraphTitle.Empty();
        const std::vector<CReportInfo> stored = {Method("A"), Method("B"), WithTreeTitle("ISO"), Method("D"),
                                                 WithTreeTitle("ISO1"), noGraphTitle, Method("G")};
        for (size_t i = 0; i < stored.size(); i++)
            store.m_sections[static_cast<LPCTSTR>(CMruReportInfoList::GetSectionName(static_cast<int>(i)))] = stored[i];
        CMruReportInfoList list;
        list.SetEntries(Methods("XYZ"));
        list.Load(store);
        EXPECT_EQ(TreeTitles(list), row.szLoaded);
    }
}

TEST(MruReportInfoList, SkipsSectionsThatWereNeverWritten)
{
    CMemoryMruStore store;
    store.m_sections["MRU ReportInfo\\MRU #2"] = Method("C");
    CMruReportInfoList list;
    list.Load(store);
    EXPECT_EQ(TreeTitles(list), "C");
}

TEST(MruReportInfoList, SavesEveryEntryInOrderAndLeavesTheMaximumAlone)
{
    CMemoryMruStore store;
    CMruReportInfoList list;
    list.SetEntries(Methods("ABCDEFGH"));
    list.Save(store);
    const std::vector<std::string> sections = {
        "MRU ReportInfo\\MRU #0", "MRU ReportInfo\\MRU #1", "MRU ReportInfo\\MRU #2", "MRU ReportInfo\\MRU #3",
        "MRU ReportInfo\\MRU #4", "MRU ReportInfo\\MRU #5", "MRU ReportInfo\\MRU #6", "MRU ReportInfo\\MRU #7"};
    EXPECT_EQ(store.m_savedOrder, sections);
    EXPECT_EQ(store.m_ints.count(kMaxKey), 0u);
}

TEST(MruReportInfoList, SurvivesARestart)
{
    CMemoryMruStore store;
    CMruReportInfoList before;
    before.Load(store);
    for (const char* szChosen : {"A", "B", "C", "A"})
        before.PutFirst(Method(szChosen), store);
    before.Save(store);

    CMruReportInfoList after;
    after.Load(store);
    EXPECT_EQ(TreeTitles(after), "ACB");
}
