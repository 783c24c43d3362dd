#include "ImportFileFuzz.h"

#include "import/ImportFixture.h"

void ImportAs(const CFuzzInput& input, std::initializer_list<const char*> aExtensions)
{
    for (const char* lpszExtension : aExtensions) {
        CImportFixture fixture;
        const std::string sName = std::string("fuzz") + lpszExtension;
        input.WriteTo(fixture.PathOf(sName));
        fixture.Import({sName});
    }
}
