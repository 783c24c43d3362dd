#pragma once
// Classes in this file: CConverterSpectrumReader, reads the Lfeq spectrum of
// one channel of an opened Kel270 analyser file into one record.

#include "CKel270Converter.h"
#include "NBuildData.h"

class CConverterSpectrumReader
{
public:
    // The reader's spectrum buffer.
    static const int kBufferSize = 64;

    CConverterSpectrumReader(Kel270Converter::CKel270Converter& converter, const CString& sPath);

    // 0 when the record is complete, -1 on any failure.
    int Read(NBuildData& record, int nChannel);

private:
    int ReadSetup(NBuildData& record);

    Kel270Converter::CKel270Converter& m_converter;
    CString m_sPath;
};
