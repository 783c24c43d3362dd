// templatewriter <folder>: writes the template workbooks of every method of
// the catalogue into the folder, for the program's "Template" folder.

#include "TemplateSet.h"

#include "newproject/MethodCatalogue.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: templatewriter <folder>\n");
        return 2;
    }
    const int kNewestVersion = 4;  // every method of the catalogue
    const CMethodCatalogue catalogue(kNewestVersion, {});
    const int nWritten = CTemplateSet::WriteAll(argv[1], catalogue.GetMethods());
    if (nWritten < 0) {
        std::fprintf(stderr, "templatewriter: a workbook could not be written into %s\n", argv[1]);
        return 1;
    }
    std::printf("%d template workbooks written into %s\n", nWritten, argv[1]);
    return 0;
}
