#pragma once
// Resource ids of the program. The framework's own ids (0xE000 and above)
// keep the numbers the framework gives them.

#define IDR_MAINFRAME 128

// Report-type descriptor: default captions of the report head
#define IDS_DESCRIPTION_LABEL 168
#define IDS_OBJECT_LABEL 169
#define IDS_REPORT_NO_LABEL 171
#define IDS_REMARKS_LABEL 265

#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345
