#pragma once
// Classes in this file: CTKCustomButtonRegistry, the commands whose toolbar
// buttons may host a window, shared by all bars of the process: their ids
// in order of registration (a command's position is its descriptor number)
// and each command's descriptor with its template control. The first bar
// that hosts a command hosts the template itself, later bars a copy of it.

#include "KTCUSTOMBUTTONDESCRIPTOR.h"

#include <map>
#include <vector>

class CTKCustomButtonRegistry {
public:
    // Registers the command of descriptor.nID with its template control
    // (descriptor.pControl, not owned, kept while the bars use it); returns
    // its descriptor number. A command registered again keeps its number
    // and takes the new descriptor.
    static int Register(const KTCUSTOMBUTTONDESCRIPTOR& descriptor);
    // Forgets every command.
    static void Clear();

    static int GetCount();
    // The command of descriptor number nDescriptor; 0 when there is none.
    static UINT GetCommand(int nDescriptor);
    // The registered descriptor of nID, or null.
    static KTCUSTOMBUTTONDESCRIPTOR* Find(UINT nID);

private:
    static std::vector<UINT>& Commands();
    static std::map<UINT, KTCUSTOMBUTTONDESCRIPTOR>& Descriptors();
};
