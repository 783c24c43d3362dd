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

// Framework: file and archive error messages ("%1" is the file or class).
#define AFX_IDS_UNNAMED_FILE 0xF00F
#define AFX_IDP_FAILED_MEMORY_ALLOC 0xF104
#define AFX_IDP_FILE_NONE 0xF180
#define AFX_IDP_FILE_GENERIC 0xF181
#define AFX_IDP_FILE_NOT_FOUND 0xF182
#define AFX_IDP_FILE_BAD_PATH 0xF183
#define AFX_IDP_FILE_TOO_MANY_OPEN 0xF184
#define AFX_IDP_FILE_ACCESS_DENIED 0xF185
#define AFX_IDP_FILE_INVALID_FILE 0xF186
#define AFX_IDP_FILE_REMOVE_CURRENT 0xF187
#define AFX_IDP_FILE_DIR_FULL 0xF188
#define AFX_IDP_FILE_BAD_SEEK 0xF189
#define AFX_IDP_FILE_HARD_IO 0xF18A
#define AFX_IDP_FILE_SHARING 0xF18B
#define AFX_IDP_FILE_LOCKING 0xF18C
#define AFX_IDP_FILE_DISKFULL 0xF18D
#define AFX_IDP_FILE_EOF 0xF18E
#define AFX_IDP_ARCH_NONE 0xF1A0
#define AFX_IDP_ARCH_GENERIC 0xF1A1
#define AFX_IDP_ARCH_READONLY 0xF1A2
#define AFX_IDP_ARCH_ENDOFFILE 0xF1A3
#define AFX_IDP_ARCH_WRITEONLY 0xF1A4
#define AFX_IDP_ARCH_BADINDEX 0xF1A5
#define AFX_IDP_ARCH_BADCLASS 0xF1A6
#define AFX_IDP_ARCH_BADSCHEMA 0xF1A7

// Instrument-file readers
#define IDS_FILTER_THIRD_OCTAVE 241
#define IDS_PRIMARY_NOT_AVAILABLE 274
#define IDS_SECONDARY_NOT_AVAILABLE 275
#define IDS_NOISE_PINK 61446
#define IDS_NOISE_TRAFFIC 61447

// Calculation engine: the result pass
#define IDS_NOT_IMPLEMENTED 160
