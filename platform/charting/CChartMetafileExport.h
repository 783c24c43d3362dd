#pragma once
// Classes in this file: CChartMetafileExport, a chart's drawing list
// written as a placeable Windows metafile: the 22-byte header that gives
// the picture's box in chart pixels at 96 units per inch, then the metafile
// recorded at the chart's size. A metafile without that header would be
// shown at the size of the whole screen.

#include "CChartDrawList.h"

#include <vector>

class CChartMetafileExport {
public:
    explicit CChartMetafileExport(const CChartDrawList& list);

    // The file's bytes: header and metafile; empty when recording failed.
    std::vector<BYTE> Bytes() const;
    // Written beside the target and then put in its place; FALSE when the
    // file could not be written (the previous file stays).
    BOOL Write(const CString& sPath) const;

private:
    std::vector<BYTE> RecordMetafile() const;

    const CChartDrawList& m_list;
};
