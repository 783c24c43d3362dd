#pragma once
// Classes in this file: CZipArchive, the zip container of a workbook held
// whole in memory. It reads the central directory (so entries whose sizes
// follow their data read as well), inflates entries on demand, and writes
// the archive anew in the original entry order: an untouched entry keeps its
// compressed bytes, a replaced one is deflated again. Zip64, encrypted,
// multi-disk archives and methods other than stored and deflated are refused.

#include <string>
#include <vector>

class CZipArchive {
public:
    struct Entry {
        std::string sName;
        unsigned nMethod = 8;          // 0 stored, 8 deflated
        unsigned nFlags = 0;
        unsigned nTime = 0;
        unsigned nDate = 0;
        unsigned long nCrc = 0;
        size_t nUncompressedSize = 0;
        std::string sCompressed;       // the bytes as stored in the archive
    };

    // Reads an archive; false with a reason in rsError when it is not one
    // this layer can edit.
    bool Read(const std::string& sBytes, std::string& rsError);
    std::string Write() const;

    bool Has(const std::string& sName) const { return Find(sName) != nullptr; }
    // The uncompressed data of an entry; false when it is missing or damaged.
    bool Extract(const std::string& sName, std::string& rsData, std::string& rsError) const;
    // Replaces an entry's data, or appends a new entry.
    void Store(const std::string& sName, const std::string& sData);
    void Remove(const std::string& sName);
    const std::vector<Entry>& GetEntries() const { return m_aEntries; }

private:
    const Entry* Find(const std::string& sName) const;
    bool ReadCentralEntry(const std::string& sBytes, size_t& rnPos, std::string& rsError);

    std::vector<Entry> m_aEntries;
};
