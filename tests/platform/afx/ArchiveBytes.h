#pragma once
// Helpers of the archive and collection tests: a file name of the test's own
// that is removed afterwards, and archives written to bytes and read back
// from bytes through a real file.

#include "platform/afx/afx.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

// A file name unique to the running test, in the working folder; the file
// is removed before and after.
class CTestFilePath {
public:
    explicit CTestFilePath(const char* lpszSuffix = ".bin")
    {
        const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        m_sPath = std::string(pInfo->test_suite_name()) + "_" + pInfo->name() + lpszSuffix;
        std::remove(m_sPath.c_str());
    }
    CTestFilePath(const CTestFilePath&) = delete;
    CTestFilePath& operator=(const CTestFilePath&) = delete;
    ~CTestFilePath() { std::remove(m_sPath.c_str()); }

    const char* Get() const { return m_sPath.c_str(); }

private:
    std::string m_sPath;
};

inline Bytes ReadFileBytes(const char* lpszPath)
{
    Bytes bytes;
    if (FILE* pFile = std::fopen(lpszPath, "rb")) {
        int ch;
        while ((ch = std::fgetc(pFile)) != EOF)
            bytes.push_back(static_cast<BYTE>(ch));
        std::fclose(pFile);
    }
    return bytes;
}

inline void WriteFileBytes(const char* lpszPath, const Bytes& bytes)
{
    FILE* pFile = std::fopen(lpszPath, "wb");
    ASSERT_NE(pFile, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), pFile);
    std::fclose(pFile);
}

// What a storing archive writes.
inline Bytes StoreBytes(const std::function<void(CArchive&)>& store)
{
    CTestFilePath path;
    {
        CFile file(path.Get(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        store(ar);
        ar.Close();
        file.Close();
    }
    return ReadFileBytes(path.Get());
}

// Runs load on an archive over the bytes; exceptions reach the caller.
inline void LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& load)
{
    CTestFilePath path(".load.bin");
    WriteFileBytes(path.Get(), bytes);
    CFile file(path.Get(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    load(ar);
}

// Bytes from a readable mix of numbers and text: {0xFF, 0x01} + "name".
inline Bytes operator+(Bytes bytes, const std::string& sText)
{
    bytes.insert(bytes.end(), sText.begin(), sText.end());
    return bytes;
}

inline Bytes operator+(Bytes bytes, const Bytes& tail)
{
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

// The cause of the CArchiveException that action throws, or -1.
inline int ArchiveCause(const std::function<void()>& action)
{
    try {
        action();
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return -1;
}
