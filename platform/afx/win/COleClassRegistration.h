#pragma once
// Classes in this file: COleClassRegistration, the registry entries that let
// COM start this program for a class (under HKEY_CLASSES_ROOT): the class
// key with its name, ProgIDs, local server and, where given, application id,
// type library and the "Programmable" mark; the ProgID keys that lead back
// to the class id. Fill in the members, then Register or Unregister.
//
//     COleClassRegistration reg;
//     reg.m_clsid = CLSID_Server;
//     reg.m_sProgID = "Vestolar.Document";
//     reg.m_sTypeName = "Vestolar Document";
//     reg.Register();

#include "afx.h"

#include <ole2.h>

class COleClassRegistration {
public:
    CLSID m_clsid = CLSID_NULL;
    CString m_sTypeName;
    CString m_sProgID;                    // e.g. "Vestolar.IpcVestolar.1"
    CString m_sVersionIndependentProgID;  // e.g. "Vestolar.IpcVestolar"; none if empty
    CString m_sServerPath;                // the local server; empty: this program
    GUID m_appID = GUID_NULL;             // none if null
    GUID m_libID = GUID_NULL;             // none if null
    BOOL m_bProgrammable = FALSE;

    // ERROR_SUCCESS, or the registry's error of the first key that failed.
    LONG Register() const;
    LONG Unregister() const;

    static CString GuidToString(REFGUID guid);
    // Creates HKEY_CLASSES_ROOT\lpszKey and sets one text value of it (the
    // default one without a name); a null value only makes the key.
    static LONG SetClassesKey(LPCTSTR lpszKey, LPCTSTR lpszValue, LPCTSTR lpszValueName = nullptr);
    // Removes HKEY_CLASSES_ROOT\lpszKey with all below it; a missing key
    // counts as removed.
    static LONG DeleteClassesKey(LPCTSTR lpszKey);
    // The running program's path, in quotes.
    static CString GetServerCommand();
};
