// CArchive: the byte format of numbers, strings, counts, class records and
// object records, and the errors of damaged archives (end of file, unknown
// class, schema, index). Untested: archives over files that fail while
// writing (CFileTest covers the file's own errors).
#include "ArchiveBytes.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <typeinfo>

namespace {

// A versionable class at schema 2: it reads schemas 0 to 2.
class CSample : public CObject {
    DECLARE_SERIAL(CSample)
public:
    explicit CSample(int nValue = 0) : m_nValue(nValue) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_nValue;
        } else {
            m_nLoadedSchema = ar.GetObjectSchema();
            ar >> m_nValue;
        }
    }
    int m_nValue;
    UINT m_nLoadedSchema = 0;
};
IMPLEMENT_SERIAL(CSample, CObject, VERSIONABLE_SCHEMA | 2)

// A class of fixed schema 1: it reads nothing else.
class CFixed : public CObject {
    DECLARE_SERIAL(CFixed)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_wValue;
        else
            ar >> m_wValue;
    }
    WORD m_wValue = 0;
};
IMPLEMENT_SERIAL(CFixed, CObject, 1)

const Bytes kSampleClassRecord = Bytes{0xFF, 0xFF, 0x02, 0x00, 0x07, 0x00} + std::string("CSample");
const Bytes kFixedClassRecord = Bytes{0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00} + std::string("CFixed");

// A class record for CSample with another schema.
Bytes SampleRecordWithSchema(WORD wSchema)
{
    return Bytes{0xFF, 0xFF, LOBYTE(wSchema), HIBYTE(wSchema), 0x07, 0x00} + std::string("CSample");
}

template <class T>
void ExpectScalarBytes(T value, const Bytes& expected)
{
    SCOPED_TRACE(typeid(T).name());
    EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar << value; }), expected);
    T loaded{};
    LoadBytes(expected, [&](CArchive& ar) { ar >> loaded; });
    EXPECT_EQ(loaded, value);
}

CObject* LoadOneObject(const Bytes& bytes, const CRuntimeClass* pRequested = nullptr)
{
    CObject* pOb = nullptr;
    LoadBytes(bytes, [&](CArchive& ar) { pOb = ar.ReadObject(pRequested); });
    return pOb;
}

}

TEST(CArchive, WritesScalarsLittleEndianInWin32Widths)
{
    ExpectScalarBytes<BYTE>(0xAB, {0xAB});
    ExpectScalarBytes<char>('\xFE', {0xFE});
    ExpectScalarBytes<WORD>(0x1234, {0x34, 0x12});
    ExpectScalarBytes<short>(-2, {0xFE, 0xFF});
    ExpectScalarBytes<int>(-2, {0xFE, 0xFF, 0xFF, 0xFF});
    ExpectScalarBytes<UINT>(0x89ABCDEF, {0xEF, 0xCD, 0xAB, 0x89});
    ExpectScalarBytes<LONG>(std::numeric_limits<LONG>::min(), {0x00, 0x00, 0x00, 0x80});
    ExpectScalarBytes<DWORD>(0xFFFFFFFF, {0xFF, 0xFF, 0xFF, 0xFF});
    ExpectScalarBytes<LONGLONG>(-2, {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    ExpectScalarBytes<ULONGLONG>(0x0102030405060708ULL, {0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01});
    ExpectScalarBytes<float>(1.5f, {0x00, 0x00, 0xC0, 0x3F});
    ExpectScalarBytes<double>(-999.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x38, 0x8F, 0xC0});
    ExpectScalarBytes<double>(std::numeric_limits<double>::infinity(),
                              {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x7F});
}

// 0xFFFE after the 0xFF escape is the framework's mark of a UTF-16 string,
// so a string of 65534 characters takes the DWORD form.
TEST(CArchive, PrefixesStringsWithTheirLengthInOneThreeOrSevenBytes)
{
    struct Row {
        int nLength;
        Bytes prefix;
    };
    const Row rows[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nLength);
        const CString sText('x', row.nLength);
        const Bytes bytes = StoreBytes([&](CArchive& ar) { ar << sText; });
        ASSERT_EQ(bytes.size(), row.prefix.size() + row.nLength);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + row.prefix.size()), row.prefix);
        CString sLoaded("sentinel");
        LoadBytes(bytes, [&](CArchive& ar) { ar >> sLoaded; });
        EXPECT_TRUE(sLoaded == sText);
    }
}

TEST(CArchive, KeepsEveryByteOfAString)
{
    const CString sText(std::string("a\0b\xE4\xFF\r\n", 7));
    CString sLoaded;
    LoadBytes(StoreBytes([&](CArchive& ar) { ar << sText; }), [&](CArchive& ar) { ar >> sLoaded; });
    EXPECT_EQ(sLoaded.GetLength(), 7);
    EXPECT_TRUE(sLoaded == sText);
}

TEST(CArchive, WritesCountsAsWordOrEscapedDword)
{
    struct Row {
        DWORD dwCount;
        Bytes bytes;
    };
    const Row rows[] = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x12345, {0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dwCount);
        EXPECT_EQ(StoreBytes([&](CArchive& ar) { ar.WriteCount(row.dwCount); }), row.bytes);
        DWORD dwLoaded = 0;
        LoadBytes(row.bytes, [&](CArchive& ar) { dwLoaded = ar.ReadCount(); });
        EXPECT_EQ(dwLoaded, row.dwCount);
    }
}

TEST(CArchive, WritesANewClassOnceAndThenItsIndex)
{
    const Bytes bytes = StoreBytes([](CArchive& ar) {
        ar.WriteClass(RUNTIME_CLASS(CSample));
        ar.WriteClass(RUNTIME_CLASS(CSample));
        ar.WriteClass(RUNTIME_CLASS(CFixed));
        ar.WriteClass(RUNTIME_CLASS(CFixed));
    });
    EXPECT_EQ(bytes, (kSampleClassRecord + Bytes{0x01, 0x80} + kFixedClassRecord + Bytes{0x02, 0x80}));

    LoadBytes(bytes, [](CArchive& ar) {
        UINT nSchema = 0;
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CSample), &nSchema), RUNTIME_CLASS(CSample));
        EXPECT_EQ(nSchema, 2u);
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CSample), &nSchema), RUNTIME_CLASS(CSample));
        EXPECT_EQ(nSchema, 2u);
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CFixed)), RUNTIME_CLASS(CFixed));
        EXPECT_EQ(ar.GetObjectSchema(), 1u);
        EXPECT_EQ(ar.GetObjectSchema(), static_cast<UINT>(-1));
        EXPECT_EQ(ar.ReadClass(nullptr), RUNTIME_CLASS(CFixed));
    });
}

// Class CSample takes index 1, object a index 2, object b index 3.
TEST(CArchive, CountsObjectsAndClassesInOneIndexSpace)
{
    CSample a(0x11);
    CSample b(0x22);
    const Bytes bytes = StoreBytes([&](CArchive& ar) {
        ar << &a << &b << &a << static_cast<CObject*>(nullptr);
        ar << &b;
    });
    EXPECT_EQ(bytes, (kSampleClassRecord + Bytes{0x11, 0, 0, 0, 0x01, 0x80, 0x22, 0, 0, 0, 0x02, 0x00, 0x00, 0x00,
                                                 0x03, 0x00}));

    LoadBytes(bytes, [](CArchive& ar) {
        std::unique_ptr<CObject> pA(ar.ReadObject(RUNTIME_CLASS(CSample)));
        std::unique_ptr<CObject> pB(ar.ReadObject(RUNTIME_CLASS(CSample)));
        ASSERT_NE(pA, nullptr);
        ASSERT_NE(pB, nullptr);
        EXPECT_EQ(static_cast<CSample*>(pA.get())->m_nValue, 0x11);
        EXPECT_EQ(static_cast<CSample*>(pB.get())->m_nValue, 0x22);
        EXPECT_EQ(static_cast<CSample*>(pA.get())->m_nLoadedSchema, 2u);
        EXPECT_EQ(ar.ReadObject(nullptr), pA.get());
        EXPECT_EQ(ar.ReadObject(nullptr), nullptr);
        CSample* pAgain = nullptr;
        ar >> pAgain;
        EXPECT_EQ(pAgain, pB.get());
    });
}

// Indices from 0x7FFF on follow the 0x7FFF tag as a DWORD, a class index
// with bit 31 set.
TEST(CArchive, WritesLargeIndicesAfterTheDwordEscape)
{
    std::vector<CSample> aObjects(0x7FFE);  // indices 2 to 0x7FFF
    const Bytes bytes = StoreBytes([&](CArchive& ar) {
        for (const CSample& object : aObjects)
            ar << &object;
        ar.WriteClass(RUNTIME_CLASS(CFixed));  // index 0x8000
        ar.WriteClass(RUNTIME_CLASS(CFixed));
        ar << &aObjects.front() << &aObjects[0x7FFC] << &aObjects.back();
    });
    const Bytes tail = kFixedClassRecord + Bytes{0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80, 0x02, 0x00, 0xFE, 0x7F,
                                                 0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00};
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(Bytes(bytes.end() - tail.size(), bytes.end()), tail);

    LoadBytes(bytes, [&](CArchive& ar) {
        std::vector<std::unique_ptr<CObject>> aLoaded;
        for (size_t i = 0; i < aObjects.size(); ++i)
            aLoaded.emplace_back(ar.ReadObject(RUNTIME_CLASS(CSample)));
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CFixed));
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CFixed));
        EXPECT_EQ(ar.ReadObject(nullptr), aLoaded.front().get());
        EXPECT_EQ(ar.ReadObject(nullptr), aLoaded[0x7FFC].get());
        EXPECT_EQ(ar.ReadObject(nullptr), aLoaded.back().get());
    });
}

TEST(CArchive, AcceptsOlderSchemasOfVersionableClassesOnly)
{
    struct Row {
        const char* lpszCase;
        Bytes classRecord;
        int nExpectedCause;  // -1: read
    };
    const Row rows[] = {
        {"versionable, schema 0", SampleRecordWithSchema(0), -1},
        {"versionable, older schema", SampleRecordWithSchema(1), -1},
        {"versionable, own schema", SampleRecordWithSchema(2), -1},
        {"versionable, newer schema", SampleRecordWithSchema(3), CArchiveException::badSchema},
        {"versionable, largest schema", SampleRecordWithSchema(0xFFFF), CArchiveException::badSchema},
        {"fixed, own schema", kFixedClassRecord, -1},
        {"fixed, older schema", Bytes{0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00} + std::string("CFixed"),
         CArchiveException::badSchema},
        {"fixed, newer schema", Bytes{0xFF, 0xFF, 0x02, 0x00, 0x06, 0x00} + std::string("CFixed"),
         CArchiveException::badSchema},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        const Bytes bytes = row.classRecord + Bytes{0x05, 0x00, 0x00, 0x00};
        EXPECT_EQ(ArchiveCause([&] { delete LoadOneObject(bytes); }), row.nExpectedCause);
    }
    std::unique_ptr<CObject> pOb(LoadOneObject(SampleRecordWithSchema(1) + Bytes{0x05, 0x00, 0x00, 0x00}));
    EXPECT_EQ(static_cast<CSample*>(pOb.get())->m_nLoadedSchema, 1u);
    EXPECT_EQ(CArchiveException::badSchema, 7);
}

TEST(CArchive, NamesTheClassOfABadClassOrSchema)
{
    struct Row {
        const char* lpszCase;
        Bytes bytes;
        const CRuntimeClass* pRequested;
        int nExpectedCause;
        const char* lpszExpectedName;
    };
    const Row rows[] = {
        {"unknown class", Bytes{0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00} + std::string("CNoSuchClass"), nullptr,
         CArchiveException::badClass, "CNoSuchClass"},
        {"class known but not serial", Bytes{0xFF, 0xFF, 0x01, 0x00, 0x07, 0x00} + std::string("CObject"), nullptr,
         CArchiveException::badClass, "CObject"},
        {"another class than requested", kFixedClassRecord + Bytes{0x01, 0x00}, RUNTIME_CLASS(CSample),
         CArchiveException::badClass, "CFixed"},
        {"schema above the class's", SampleRecordWithSchema(3), nullptr, CArchiveException::badSchema, "CSample"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        try {
            delete LoadOneObject(row.bytes, row.pRequested);
            ADD_FAILURE() << "no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, row.nExpectedCause);
            EXPECT_STREQ(e.m_strFileName, row.lpszExpectedName);
        }
    }
}

TEST(CArchive, RejectsReferencesToIndicesNotRead)
{
    struct Row {
        const char* lpszCase;
        Bytes bytes;
    };
    const Bytes kOneObject = kSampleClassRecord + Bytes{0x01, 0x00, 0x00, 0x00};  // class 1, object 2
    const Row rows[] = {
        {"object index beyond the table", Bytes{0x05, 0x00}},
        {"class index beyond the table", Bytes{0x01, 0x80}},
        {"class tag 0", Bytes{0x00, 0x80}},
        {"class tag naming an object", kOneObject + Bytes{0x02, 0x80}},
        {"object tag naming a class", kOneObject + Bytes{0x01, 0x00}},
        {"escaped object index beyond the table", kOneObject + Bytes{0xFF, 0x7F, 0x03, 0x00, 0x00, 0x00}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lpszCase);
        EXPECT_EQ(ArchiveCause([&] {
                      LoadBytes(row.bytes, [](CArchive& ar) {
                          std::unique_ptr<CObject> pFirst(ar.ReadObject(nullptr));
                          if (pFirst != nullptr)
                              std::unique_ptr<CObject> pSecond(ar.ReadObject(nullptr));
                      });
                  }),
                  CArchiveException::badIndex);
    }
    EXPECT_EQ(ArchiveCause([] { LoadBytes(Bytes{0x00, 0x00}, [](CArchive& ar) { ar.ReadClass(); }); }),
              CArchiveException::badIndex);
}

TEST(CArchive, ReadsEscapedIndicesOfClassesAndObjects)
{
    const Bytes bytes = kSampleClassRecord + Bytes{0x01, 0, 0, 0} +  // class 1, object 2
                        Bytes{0xFF, 0x7F, 0x01, 0x00, 0x00, 0x80, 0x02, 0, 0, 0} +  // class 1 again, object 3
                        Bytes{0xFF, 0x7F, 0x02, 0x00, 0x00, 0x00};  // object 2 again
    LoadBytes(bytes, [](CArchive& ar) {
        std::unique_ptr<CObject> pFirst(ar.ReadObject(RUNTIME_CLASS(CSample)));
        std::unique_ptr<CObject> pSecond(ar.ReadObject(RUNTIME_CLASS(CSample)));
        ASSERT_NE(pSecond, nullptr);
        EXPECT_EQ(static_cast<CSample*>(pSecond.get())->m_nValue, 2);
        EXPECT_EQ(ar.ReadObject(nullptr), pFirst.get());
    });
}

// The object under construction is deleted and the caller's pointer keeps
// its value (the leak checker sees any object left behind).
TEST(CArchive, FailsAtTheEndOfATruncatedArchiveWithoutHalfReadObjects)
{
    const Bytes whole = kSampleClassRecord + Bytes{0x05, 0x00, 0x00, 0x00};
    for (size_t nLength = 0; nLength < whole.size(); ++nLength) {
        SCOPED_TRACE(nLength);
        CSample sentinel;
        CSample* pLoaded = &sentinel;
        EXPECT_EQ(ArchiveCause([&] {
                      LoadBytes(Bytes(whole.begin(), whole.begin() + nLength), [&](CArchive& ar) { ar >> pLoaded; });
                  }),
                  CArchiveException::endOfFile);
        EXPECT_EQ(pLoaded, &sentinel);
    }
}

TEST(CArchive, LeavesValuesUntouchedWhenTheirBytesAreMissing)
{
    double dValue = 1.25;
    CString sText("sentinel");
    EXPECT_EQ(ArchiveCause([&] { LoadBytes(Bytes(7, 0x40), [&](CArchive& ar) { ar >> dValue; }); }),
              CArchiveException::endOfFile);
    EXPECT_EQ(ArchiveCause([&] {
                  LoadBytes(Bytes{0x0A} + std::string("short"), [&](CArchive& ar) { ar >> sText; });
              }),
              CArchiveException::endOfFile);
    EXPECT_EQ(ArchiveCause([&] {
                  LoadBytes(Bytes{0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF, 0x41}, [&](CArchive& ar) { ar >> sText; });
              }),
              CArchiveException::endOfFile);
    EXPECT_EQ(dValue, 1.25);
    EXPECT_STREQ(sText, "sentinel");
}

TEST(CArchive, RefusesUtf16Strings)
{
    CString sText("sentinel");
    EXPECT_EQ(ArchiveCause([&] {
                  LoadBytes(Bytes{0xFF, 0xFE, 0xFF, 0x01, 0x41, 0x00}, [&](CArchive& ar) { ar >> sText; });
              }),
              CArchiveException::badIndex);
    EXPECT_STREQ(sText, "sentinel");
}

TEST(CArchive, NamesTheFileInItsMessages)
{
    CTestFilePath path;
    WriteFileBytes(path.Get(), Bytes{0x01});
    CFile file(path.Get(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    WORD wValue = 0;
    try {
        ar >> wValue;
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_STREQ(e.m_strFileName, path.Get());
        EXPECT_STREQ(e.GetErrorText(), CString("Unexpected end of file while reading ") + path.Get() + ".");
    }
}

TEST(CArchive, ReadsLinesWithoutTheirEnds)
{
    const Bytes bytes = StoreBytes([](CArchive& ar) {
        ar.WriteString("first\r\nsecond\n\n");
        ar.WriteString("last");
    });
    LoadBytes(bytes, [](CArchive& ar) {
        const char* aExpected[] = {"first", "second", "", "last"};
        CString sLine;
        for (const char* lpszExpected : aExpected) {
            SCOPED_TRACE(lpszExpected);
            EXPECT_TRUE(ar.ReadString(sLine));
            EXPECT_STREQ(sLine, lpszExpected);
        }
        EXPECT_FALSE(ar.ReadString(sLine));
        EXPECT_STREQ(sLine, "");
    });
}

TEST(CArchive, GivesUnreadBytesBackToTheFileOnClose)
{
    CTestFilePath path;
    WriteFileBytes(path.Get(), Bytes{0x01, 0x02, 0x03, 0x04, 0x05});
    CFile file(path.Get(), CFile::modeRead);
    {
        CArchive ar(&file, CArchive::load);
        WORD wValue;
        ar >> wValue;
        ar.Close();
    }
    EXPECT_EQ(file.GetPosition(), 2u);
    BYTE byNext = 0;
    EXPECT_EQ(file.Read(&byNext, 1), 1u);
    EXPECT_EQ(byNext, 0x03);
}

TEST(CArchive, RefusesToReadWhileStoringAndToWriteWhileLoading)
{
    EXPECT_EQ(ArchiveCause([] {
                  StoreBytes([](CArchive& ar) {
                      BYTE by;
                      ar >> by;
                  });
              }),
              CArchiveException::writeOnly);
    EXPECT_EQ(ArchiveCause([] { LoadBytes(Bytes{0x01}, [](CArchive& ar) { ar << BYTE(1); }); }),
              CArchiveException::readOnly);
}

TEST(CArchive, WritesManyValuesBeyondItsBuffer)
{
    const Bytes bytes = StoreBytes([](CArchive& ar) {
        for (int i = 0; i < 5000; ++i)
            ar << i << static_cast<double>(i) / 3;
    });
    EXPECT_EQ(bytes.size(), 5000u * 12);
    LoadBytes(bytes, [](CArchive& ar) {
        for (int i = 0; i < 5000; ++i) {
            int nValue = -1;
            double dValue = -1;
            ar >> nValue >> dValue;
            ASSERT_EQ(nValue, i);
            ASSERT_EQ(dValue, static_cast<double>(i) / 3);
        }
    });
}
