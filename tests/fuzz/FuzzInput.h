#pragma once
// Helpers of the fuzz targets: the input bytes as a memory archive, as a text,
// or as a file on disk for the readers that take a path; and the rule every
// target follows: the framework's file and archive exceptions are the
// readers' way of refusing a file, anything else escapes and is a finding.

#include "platform/afx/afx.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

class CFuzzInput {
public:
    CFuzzInput(const uint8_t* pData, size_t nSize) : m_pData(pData), m_nSize(nSize) {}

    std::string Text() const { return std::string(reinterpret_cast<const char*>(m_pData), m_nSize); }
    // Runs read over a loading archive of the bytes.
    void ReadArchive(const std::function<void(CArchive&)>& read) const;
    // Writes the bytes to sName in the process's own scratch folder and
    // returns the file's path.
    std::string WriteFile(const std::string& sName) const;
    void WriteTo(const std::string& sPath) const;

    // Runs action; a file or archive exception is a refused input.
    static void Refusable(const std::function<void()>& action);

private:
    const uint8_t* m_pData;
    size_t m_nSize;
};
