// fixturewriter <folder>: writes one instrument or converter file of every
// kind into the folder, to try the import by hand (drop them on the tree).

#include "tools/fixtures/CSampleFiles.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: fixturewriter <folder>\n");
        return 2;
    }
    if (!CSampleFiles::WriteAll(argv[1]))
    {
        std::fprintf(stderr, "fixturewriter: cannot write the files into %s\n", argv[1]);
        return 1;
    }
    for (const std::string& sName : CSampleFiles::Names())
        std::printf("%s/%s\n", argv[1], sName.c_str());
    return 0;
}
