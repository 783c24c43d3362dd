#pragma once
// Classes in this file: CGdiCallCounter, the calls this program makes into
// the window system's drawing library (gdi32) counted while it lives, one
// count per function. It points each gdi32 entry of the program's import
// table at a small stub that adds one to the function's count and jumps on
// to the function, and puts the table back when it ends. Calls made inside
// the window system itself (a user32 text call drawing through gdi32) are
// not counted: the count is what the program asks for. x86-64 only.

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

class CGdiCallCounter {
public:
    CGdiCallCounter() { Patch(::GetModuleHandleA(nullptr)); }
    ~CGdiCallCounter()
    {
        for (const Entry& entry : m_entries)
            WriteSlot(entry.pSlot, entry.pTarget);
        if (m_pStubs)
            ::VirtualFree(m_pStubs, 0, MEM_RELEASE);
    }
    CGdiCallCounter(const CGdiCallCounter&) = delete;
    CGdiCallCounter& operator=(const CGdiCallCounter&) = delete;

    // The functions hooked: 0 means the program imports nothing from gdi32.
    size_t Functions() const { return m_entries.size(); }
    uint64_t Total() const
    {
        uint64_t nTotal = 0;
        for (size_t i = 0; i < m_entries.size(); ++i)
            nTotal += StubAt(i).nCount;
        return nTotal;
    }
    // Calls per function name, those called at least once.
    std::map<std::string, uint64_t> ByFunction() const
    {
        std::map<std::string, uint64_t> counts;
        for (size_t i = 0; i < m_entries.size(); ++i)
            if (StubAt(i).nCount > 0)
                counts[m_entries[i].sName] = StubAt(i).nCount;
        return counts;
    }
    void Reset()
    {
        for (size_t i = 0; i < m_entries.size(); ++i)
            StubAt(i).nCount = 0;
    }

private:
    // inc qword ptr [rip+9] (the count); jmp qword ptr [rip+11] (the target).
    struct Stub {
        uint8_t aCode[16];
        uint64_t nCount;
        void* pTarget;
    };
    struct Entry {
        void** pSlot;
        void* pTarget;
        std::string sName;
    };

    Stub& StubAt(size_t i) const { return static_cast<Stub*>(m_pStubs)[i]; }

    static void WriteSlot(void** pSlot, void* pValue)
    {
        DWORD nOld = 0;
        ::VirtualProtect(pSlot, sizeof(void*), PAGE_READWRITE, &nOld);
        *pSlot = pValue;
        ::VirtualProtect(pSlot, sizeof(void*), nOld, &nOld);
    }

    void Patch(HMODULE hModule)
    {
        auto* pBase = reinterpret_cast<BYTE*>(hModule);
        auto* pDos = reinterpret_cast<IMAGE_DOS_HEADER*>(pBase);
        auto* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        if (imports.VirtualAddress == 0)
            return;
        for (auto* pDll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + imports.VirtualAddress); pDll->Name;
             ++pDll) {
            if (_stricmp(reinterpret_cast<const char*>(pBase + pDll->Name), "gdi32.dll") != 0
                || pDll->OriginalFirstThunk == 0)
                continue;
            auto* pNames = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->OriginalFirstThunk);
            auto* pSlots = reinterpret_cast<void**>(pBase + pDll->FirstThunk);
            for (size_t i = 0; pNames[i].u1.AddressOfData; ++i) {
                std::string sName = IMAGE_SNAP_BY_ORDINAL(pNames[i].u1.Ordinal)
                    ? "#" + std::to_string(IMAGE_ORDINAL(pNames[i].u1.Ordinal))
                    : reinterpret_cast<const char*>(
                          reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(pBase + pNames[i].u1.AddressOfData)->Name);
                m_entries.push_back({&pSlots[i], pSlots[i], sName});
            }
        }
        if (m_entries.empty())
            return;
        m_pStubs = ::VirtualAlloc(nullptr, m_entries.size() * sizeof(Stub), MEM_COMMIT | MEM_RESERVE,
                                  PAGE_EXECUTE_READWRITE);
        const uint8_t aCode[16] = {0x48, 0xFF, 0x05, 9, 0, 0, 0, 0xFF, 0x25, 11, 0, 0, 0, 0x90, 0x90, 0x90};
        for (size_t i = 0; i < m_entries.size(); ++i) {
            Stub& stub = StubAt(i);
            std::memcpy(stub.aCode, aCode, sizeof(aCode));
            stub.nCount = 0;
            stub.pTarget = m_entries[i].pTarget;
            WriteSlot(m_entries[i].pSlot, &stub);
        }
        ::FlushInstructionCache(::GetCurrentProcess(), m_pStubs, m_entries.size() * sizeof(Stub));
    }

    std::vector<Entry> m_entries;
    void* m_pStubs = nullptr;
};
