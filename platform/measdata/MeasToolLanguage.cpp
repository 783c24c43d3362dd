#include "MeasToolLanguage.h"

namespace {

// Process-wide like the resource module it mirrors: the application sets it
// once from its language setting, and the graph windows read it.
CString& MeasToolLanguage()
{
    static CString sFileName;
    return sFileName;
}

} // namespace

// Only the graph windows follow the language. The library's texts that other
// code recognises ("N_A_MT", the text export headings) stay as they are.
void SetMeasToolLanguage(const CString& sFileName)
{
    MeasToolLanguage() = sFileName;
}

CString GetMeasToolLanguage()
{
    return MeasToolLanguage();
}
