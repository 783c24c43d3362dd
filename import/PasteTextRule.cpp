#include "PasteTextRule.h"

namespace {

const char kMeasurementMarker[] = "Measurement Setup\r\nInstrument type";
const char kLeqMarker[] = "Spectrum Leq CH";
const char kPrimaryMarker[] = "Spectrum Primary CH";
const char kDescriptionMarker[] = "\r\nProject Description\r\n";

bool Holds(const CString& sText, LPCTSTR lpszMarker)
{
    return sText.Find(lpszMarker) >= 0;
}

}  // namespace

EPasteTextAction PasteTextActionOf(const CString& sText, bool bDescriptionCopied)
{
    const bool bMeasurement = Holds(sText, kMeasurementMarker);
    const bool bDescription = Holds(sText, kDescriptionMarker) && bDescriptionCopied;
    if (bMeasurement && (Holds(sText, kLeqMarker) || Holds(sText, kPrimaryMarker)))
        return EPasteTextAction::ImportDragDropArchive;
    if (bMeasurement && bDescription)
        return EPasteTextAction::DescriptionThenRecords;
    if (bMeasurement)
        return EPasteTextAction::Records;
    if (bDescription)
        return EPasteTextAction::Description;
    return EPasteTextAction::Invalid;
}
