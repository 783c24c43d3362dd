#pragma once
// Resource ids of the program. The framework's own ids (0xE000 and above)
// keep the numbers the framework gives them.

#define IDR_MAINFRAME 128

#define AFX_IDS_APP_TITLE 57344
#define AFX_IDS_IDLEMESSAGE 57345
