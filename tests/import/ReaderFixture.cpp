#include "ReaderFixture.h"

#include "tools/fixtures/CConverterFileWriter.h"
#include "tools/fixtures/CInstrumentFileWriter.h"

#include <gtest/gtest.h>

int CReaderFixture::Open(const CInstrumentData& data, const std::string& sRelativePath)
{
    std::string sPath = m_folder.PathOf(sRelativePath);
    EXPECT_TRUE(CInstrumentFileWriter::Write(sPath, data));
    return m_reader.OpenFile(sPath.c_str());
}

int CReaderFixture::OpenConverter(const CConverterData& data, const std::string& sRelativePath)
{
    std::string sPath = m_folder.PathOf(sRelativePath);
    EXPECT_TRUE(CConverterFileWriter::Write(sPath, data));
    return m_reader.OpenConverterFile(sPath.c_str());
}
