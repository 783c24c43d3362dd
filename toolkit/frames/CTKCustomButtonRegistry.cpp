#include "CTKCustomButtonRegistry.h"

#include <algorithm>

std::vector<UINT>& CTKCustomButtonRegistry::Commands()
{
    static std::vector<UINT> s_commands;
    return s_commands;
}

std::map<UINT, KTCUSTOMBUTTONDESCRIPTOR>& CTKCustomButtonRegistry::Descriptors()
{
    static std::map<UINT, KTCUSTOMBUTTONDESCRIPTOR> s_descriptors;
    return s_descriptors;
}

int CTKCustomButtonRegistry::Register(const KTCUSTOMBUTTONDESCRIPTOR& descriptor)
{
    std::vector<UINT>& commands = Commands();
    Descriptors()[descriptor.nID] = descriptor;
    auto it = std::find(commands.begin(), commands.end(), descriptor.nID);
    if (it != commands.end())
        return static_cast<int>(it - commands.begin());
    commands.push_back(descriptor.nID);
    return static_cast<int>(commands.size()) - 1;
}

void CTKCustomButtonRegistry::Clear()
{
    Commands().clear();
    Descriptors().clear();
}

int CTKCustomButtonRegistry::GetCount()
{
    return static_cast<int>(Commands().size());
}

UINT CTKCustomButtonRegistry::GetCommand(int nDescriptor)
{
    if (nDescriptor < 0 || nDescriptor >= GetCount())
        return 0;
    return Commands()[static_cast<size_t>(nDescriptor)];
}

KTCUSTOMBUTTONDESCRIPTOR* CTKCustomButtonRegistry::Find(UINT nID)
{
    auto it = Descriptors().find(nID);
    return it != Descriptors().end() ? &it->second : nullptr;
}
