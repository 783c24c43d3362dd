#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// One folder per process, removed when it ends: libFuzzer runs each target
// in one process, and several targets may run side by side.
class CScratchFolder {
public:
    CScratchFolder()
    {
        char szTemplate[] = "/tmp/vestolar-fuzz-XXXXXX";
        const char* pPath = ::mkdtemp(szTemplate);
        if (pPath == nullptr)
            std::abort();
        m_sPath = pPath;
    }
    ~CScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_sPath, ignored);
    }
    const std::string& Path() const { return m_sPath; }

private:
    std::string m_sPath;
};

} // namespace

void CFuzzInput::ReadArchive(const std::function<void(CArchive&)>& read) const
{
    CMemFile file;
    file.Write(m_pData, static_cast<UINT>(m_nSize));
    file.SeekToBegin();
    Refusable([&] {
        CArchive ar(&file, CArchive::load);
        read(ar);
    });
}

std::string CFuzzInput::WriteFile(const std::string& sName) const
{
    static CScratchFolder folder;
    const std::string sPath = folder.Path() + "/" + sName;
    WriteTo(sPath);
    return sPath;
}

void CFuzzInput::WriteTo(const std::string& sPath) const
{
    FILE* pFile = std::fopen(sPath.c_str(), "wb");
    if (pFile == nullptr)
        std::abort();
    std::fwrite(m_pData, 1, m_nSize, pFile);
    std::fclose(pFile);
}

void CFuzzInput::Refusable(const std::function<void()>& action)
{
    try {
        action();
    } catch (const CFileException&) {
    } catch (const CArchiveException&) {
    }
}
