#pragma once
// One reader of instrument files for a test, with its host and a folder for
// the files the test writes.

#include "RecordingImportHost.h"

#include "import/ReadKelFile.h"
#include "tools/fixtures/CFixtureFolder.h"

#include "platform/converter/CConverterData.h"
#include "platform/instrfile/CInstrumentData.h"

#include <string>

class CReaderFixture
{
public:
    explicit CReaderFixture(int nReverbImport = 2) : m_host(nReverbImport), m_reader(&m_host) {}

    // Writes the file under sRelativePath and opens it; the open's result.
    int Open(const CInstrumentData& data, const std::string& sRelativePath = "meas.vsf");
    int OpenConverter(const CConverterData& data, const std::string& sRelativePath = "meas.config");
    std::string PathOf(const std::string& sRelativePath) const { return m_folder.PathOf(sRelativePath); }

    CFixtureFolder m_folder;
    CRecordingImportHost m_host;
    CReadKelFile m_reader;
};
