#include "HtmlHelpLibrary.h"

#include <htmlhelp.h>

CHtmlHelpLibrary::~CHtmlHelpLibrary()
{
    if (m_hLibrary != nullptr)
        ::FreeLibrary(m_hLibrary);
}

BOOL CHtmlHelpLibrary::DisplayTopic(HWND hWndCaller, LPCSTR lpszHelpFile)
{
    if (!Load())
        return FALSE;
    m_pfnHtmlHelp(hWndCaller, lpszHelpFile, HH_DISPLAY_TOPIC, 0);
    return TRUE;
}

// The help library costs nothing until the user asks for help.
BOOL CHtmlHelpLibrary::Load()
{
    if (m_pfnHtmlHelp != nullptr)
        return TRUE;
    if (m_hLibrary == nullptr)
        m_hLibrary = ::LoadLibraryA("hhctrl.ocx");
    if (m_hLibrary == nullptr)
        return FALSE;
    // GetProcAddress gives every export one generic type; through void* the
    // cast to the export's own type draws no warning.
    m_pfnHtmlHelp = reinterpret_cast<PFNHTMLHELPA>(reinterpret_cast<void*>(::GetProcAddress(m_hLibrary, "HtmlHelpA")));
    return m_pfnHtmlHelp != nullptr;
}
