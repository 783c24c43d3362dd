// CInstrumentPath: a backslash and a slash both separate, as they do for
// Windows, so a path written either way names the same folder.

#include "InstrumentPath.h"

#include <algorithm>

namespace
{

int LastSeparator(const CString& sPath)
{
    return std::max(sPath.ReverseFind('\\'), sPath.ReverseFind('/'));
}

} // namespace

CString CInstrumentPath::FileName(const CString& sPath)
{
    return sPath.Mid(LastSeparator(sPath) + 1);
}

CString CInstrumentPath::FolderName(const CString& sPath)
{
    int nLast = LastSeparator(sPath);
    if (nLast < 0)
        return CString();
    return FileName(sPath.Left(nLast));
}
