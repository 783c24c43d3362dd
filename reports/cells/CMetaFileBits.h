#pragma once
// Classes in this file: CMetaFileBits, the bytes of a metafile file read
// before any of them reaches the system: which of the three formats it is
// (enhanced, placeable Windows, plain Windows), where the metafile proper
// lies and how large it is. Every offset and size is checked against the
// file's length, so a short or damaged file is refused, never read past.

#include "AfxTypes.h"

#include <cstddef>

class CMetaFileBits {
public:
    enum Format { kBad = -1, kEnhanced = 0, kPlaceable = 1, kPlain = 2 };

    CMetaFileBits(const BYTE* pBytes, size_t nLength);

    Format GetFormat() const { return m_format; }
    // The metafile to hand to the system: the whole file, or for a
    // placeable one what follows its 22-byte header.
    const BYTE* GetMetafile() const { return m_pMetafile; }
    size_t GetMetafileSize() const { return m_nMetafileSize; }

    // Placeable only: the picture's extents in hundredths of a millimetre,
    // from its box and units per inch.
    int FrameWidth() const;
    int FrameHeight() const;

private:
    bool ReadEnhanced();
    bool ReadPlaceable();
    bool ReadWindows(size_t nOffset);
    DWORD Dword(size_t nOffset) const;
    WORD Word(size_t nOffset) const;

    const BYTE* m_pBytes;
    size_t m_nLength;
    Format m_format = kBad;
    const BYTE* m_pMetafile = nullptr;
    size_t m_nMetafileSize = 0;
    int m_nBoxWidth = 0;
    int m_nBoxHeight = 0;
    int m_nUnitsPerInch = 0;
};
