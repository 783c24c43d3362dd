// Times a push of a measurement archive with 100 records (both channels
// active, source and receiving room) into the active project of the running
// application, through the automation class in the program's own process:
// from the call of ImportMeasurementFile to its return. The mean of repeated
// pushes, each into a new project, is printed in milliseconds.
//
// The application is started and the project made as the window tests do,
// through their fixture.
#include "app/IpcVestolar.h"
#include "app/ShellWindowsFixture.h"
#include "import/MeasArchiveFile.h"

#include "CComObject.h"

#include <cstdio>
#include <string>

namespace {

const int kRecords = 100;
const int kPushes = 5;
enum { kSource = 122, kReceiving = 123 };

double NowMilliseconds()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Record i: channel 1 in the source room, channel 2 in the receiving room,
// one minute after the one before.
NMeasCtrlData ArchiveRecord(int i)
{
    NMeasCtrlData record;
    for (int nChannel = 1; nChannel <= 2; ++nChannel) {
        record.m_MeasSetup.SetChannelActivated(nChannel, TRUE);
        record.m_MeasSetup.SetDescription(nChannel == 1 ? kSource : kReceiving, nChannel);
        for (int nBand = 8; nBand <= 43; ++nBand)
            record.m_aLevel[nChannel - 1].InsertData(nBand, (nChannel == 1 ? 90.0 : 50.0) - 0.2 * nBand + 0.01 * i);
    }
    record.m_Time = CTime(2024, 6, 1, 8, 0, 0) + CTimeSpan(0, 0, i, 0);
    return record;
}

class CPushTiming : public CShellWindowsTest {
public:
    // FALSE when the application did not come up or the archive was not
    // written.
    BOOL Start(const CString& sArchive)
    {
        SetUp();
        if (HasFatalFailure())
            return FALSE;
        App().m_nPopupWindow = 0;  // no report window after each recalculation
        CMeasCtrlList list;
        for (int i = 0; i < kRecords; ++i) {
            NMeasCtrlData record = ArchiveRecord(i);
            list.AddTail(record);
        }
        return CMeasArchiveFile::Write(sArchive, FALSE, list) &&
               SUCCEEDED(CIpcVestolar::CreateInstance(IID_IIpcVestolar, reinterpret_cast<void**>(&m_pServer)));
    }
    void Stop()
    {
        if (m_pServer != nullptr)
            m_pServer->Release();
        TearDown();
    }

    // FALSE when a push failed.
    BOOL MeanPush(const CString& sArchive, double& rdMean)
    {
        std::wstring sPath;
        for (const char* p = sArchive; *p != '\0'; ++p)
            sPath += static_cast<wchar_t>(static_cast<unsigned char>(*p));
        BSTR path = ::SysAllocString(sPath.c_str());
        double dTotal = 0.0;
        HRESULT hr = S_OK;
        for (int i = 0; i < kPushes && SUCCEEDED(hr); ++i) {
            NewProject({&CReportInfo::m_bField, &CReportInfo::m_bAirborne});
            const double dStart = NowMilliseconds();
            hr = m_pServer->ImportMeasurementFile(path);
            dTotal += NowMilliseconds() - dStart;
            PumpMessages();
        }
        ::SysFreeString(path);
        rdMean = dTotal / kPushes;
        return SUCCEEDED(hr);
    }

protected:
    void TestBody() override {}

private:
    IIpcVestolar* m_pServer = nullptr;
};

} // namespace

int main()
{
    AfxUseVirtualDesktop();
    char szFolder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szFolder);
    const CString sArchive = CString(szFolder) + "VestolarPushTiming.tmp";
    CPushTiming timing;
    double dMean = 0.0;
    const BOOL bDone = timing.Start(sArchive) && timing.MeanPush(sArchive, dMean);
    timing.Stop();
    ::DeleteFileA(sArchive);
    if (!bDone) {
        printf("the push did not run\n");
        return 1;
    }
    printf("push of %d records (two channels each), call to return: %.2f ms, mean of %d\n", kRecords, dMean,
           kPushes);
    return 0;
}
