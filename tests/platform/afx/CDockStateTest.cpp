// CDockState: the record round-trips every field of bar and dock-bar
// records, has the documented bytes, and refuses other versions, damaged
// counts and records cut short without changing the state it loads into.
#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

typedef std::vector<BYTE> Bytes;

Bytes StoreState(CDockState& state)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        state.Serialize(ar);
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void LoadState(CDockState& state, const Bytes& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    state.Serialize(ar);
}

CControlBarInfo* MakeDockBarInfo(UINT nID, std::vector<DWORD> ids)
{
    auto* pInfo = new CControlBarInfo;
    pInfo->m_nBarID = nID;
    pInfo->m_bDockBar = TRUE;
    pInfo->m_bVisible = TRUE;
    pInfo->m_bHorz = TRUE;
    for (DWORD id : ids)
        pInfo->m_arrBarID.Add(id);
    return pInfo;
}

CControlBarInfo* MakeBarInfo()
{
    auto* pInfo = new CControlBarInfo;
    pInfo->m_nBarID = 59392;
    pInfo->m_bFloating = TRUE;
    pInfo->m_bDocking = TRUE;
    pInfo->m_pointPos = CPoint(-40, 300);
    pInfo->m_nMRUWidth = 120;
    pInfo->m_uMRUDockID = 0xE81B;
    pInfo->m_rectMRUDockPos = CRect(1, 2, 303, 28);
    pInfo->m_dwMRUFloatStyle = 0x2004;
    pInfo->m_ptMRUFloatPos = CPoint(500, -7);
    return pInfo;
}

void PutWord(Bytes& bytes, size_t nAt, WORD w)
{
    bytes[nAt] = static_cast<BYTE>(w & 0xFF);
    bytes[nAt + 1] = static_cast<BYTE>(w >> 8);
}

}  // namespace

TEST(CDockState, RoundTripsBarAndDockBarRecords)
{
    CDockState state;
    state.Add(MakeDockBarInfo(0xE81B, {0, 59392, 0x10000 | 32771, 0, 59393, 0}));
    state.Add(MakeBarInfo());
    CDockState stateRead;
    LoadState(stateRead, StoreState(state));

    ASSERT_EQ(stateRead.GetCount(), 2);
    const CControlBarInfo* pDock = stateRead.GetAt(0);
    EXPECT_EQ(pDock->m_nBarID, 0xE81Bu);
    EXPECT_TRUE(pDock->m_bDockBar);
    EXPECT_TRUE(pDock->m_bVisible);
    EXPECT_TRUE(pDock->m_bHorz);
    ASSERT_EQ(pDock->m_arrBarID.GetSize(), 6);
    EXPECT_EQ(pDock->m_arrBarID[2], 0x10000u | 32771u);
    EXPECT_EQ(pDock->m_arrBarID[4], 59393u);

    const CControlBarInfo* pBar = stateRead.GetAt(1);
    const CControlBarInfo* pExpected = state.GetAt(1);
    EXPECT_FALSE(pBar->m_bDockBar);
    EXPECT_FALSE(pBar->m_bVisible);
    EXPECT_TRUE(pBar->m_bFloating);
    EXPECT_TRUE(pBar->m_bDocking);
    EXPECT_EQ(pBar->m_pointPos, pExpected->m_pointPos);
    EXPECT_EQ(pBar->m_nMRUWidth, 120);
    EXPECT_EQ(pBar->m_uMRUDockID, 0xE81Bu);
    EXPECT_EQ(pBar->m_rectMRUDockPos, pExpected->m_rectMRUDockPos);
    EXPECT_EQ(pBar->m_dwMRUFloatStyle, 0x2004u);
    EXPECT_EQ(pBar->m_ptMRUFloatPos, pExpected->m_ptMRUFloatPos);
}

TEST(CDockState, WritesTheDocumentedBytes)
{
    CDockState state;
    state.Add(MakeDockBarInfo(0xE81B, {0, 7}));
    const Bytes expected = {
        1,    0,                    // version
        1,    0,                    // count
        0x1B, 0xE8, 0,    0,        // id
        13,   0,    0,    0,        // visible, horizontal, dock bar
        0,    0,    0,    0,    0, 0, 0, 0,  // position
        0xFF, 0x7F, 0,    0,        // MRU width 32767
        2,    0,                    // ids
        0,    0,    0,    0,    7, 0, 0, 0,
    };
    EXPECT_EQ(StoreState(state), expected);
}

// Each damaged record throws its archive cause and leaves the loaded state
// as it was (one sentinel record).
TEST(CDockState, RefusesDamagedRecordsAndKeepsItsState)
{
    CDockState good;
    good.Add(MakeDockBarInfo(0xE81B, {0, 7, 0}));
    good.Add(MakeBarInfo());
    const Bytes goodBytes = StoreState(good);

    struct Case {
        const char* name;
        Bytes bytes;
        int cause;
    };
    Bytes hugeRecordCount = goodBytes;
    PutWord(hugeRecordCount, 2, 0xFFFE);
    Bytes hugeIdCount = goodBytes;
    PutWord(hugeIdCount, 24, 0xFFFE);
    Bytes laterVersion = goodBytes;
    PutWord(laterVersion, 0, 2);
    const Case cases[] = {
        {"record count beyond the bytes", hugeRecordCount, CArchiveException::endOfFile},
        {"id count beyond the bytes", hugeIdCount, CArchiveException::endOfFile},
        {"cut inside the last record", Bytes(goodBytes.begin(), goodBytes.end() - 3), CArchiveException::endOfFile},
        {"later version", laterVersion, CArchiveException::badSchema},
        {"empty", Bytes(), CArchiveException::endOfFile},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        CDockState state;
        state.Add(MakeDockBarInfo(0xE81E, {0, 99}));
        try {
            LoadState(state, row.bytes);
            ADD_FAILURE() << "no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, row.cause);
        }
        ASSERT_EQ(state.GetCount(), 1);
        EXPECT_EQ(state.GetAt(0)->m_nBarID, 0xE81Eu);
    }
}
