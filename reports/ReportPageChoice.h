#pragma once
// Functions in this file: which test report page a project's report window
// shows, chosen once when the window opens from the project's kind and the
// extended-report option.

class CReportInfo;

// The report pages, one per page class.
enum class EReportPage {
    Multiplot,
    DinReverberation,
    Extended,
    Base,
    Sia,
    Absorption,
    LossFactor,
    Laboratory,
};

// The page of the first rule that holds for the project.
EReportPage ReportPageFor(const CReportInfo& info, bool bExtendedReport);
