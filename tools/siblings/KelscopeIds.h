#pragma once
// The class ids the stand-in of the data explorer serves, and where it keeps
// what it was asked. Tests register the stand-in under these ids.

#include <objbase.h>

// The document class of the installed explorer, and of an older one.
inline const CLSID CLSID_KelscopeDocument = {0x4b454c56, 0x4152, 0x4f4e, {0x00, 0x01, 0x53, 0x43, 0x4f, 0x50, 0x45, 0x31}};
inline const CLSID CLSID_KelscopeDocumentOld = {0x4b454c56, 0x4152, 0x4f4e, {0x00, 0x01, 0x53, 0x43, 0x4f, 0x50, 0x45, 0x32}};
// {4B454C56-4152-4F4E-0003-4B5343415050}: the explorer's application.
inline const CLSID CLSID_KscApplication = {0x4b454c56, 0x4152, 0x4f4e, {0x00, 0x03, 0x4b, 0x53, 0x43, 0x41, 0x50, 0x50}};

// Under HKEY_CURRENT_USER: "LastCall" holds the last module call as
// "<method>(<argument>, <module>)"; a DWORD "FailWith" makes the module
// calls fail with that result code and an error object.
const char kKelscopeStandInKey[] = "Software\\Kelvaron\\Kelscope stand-in";
