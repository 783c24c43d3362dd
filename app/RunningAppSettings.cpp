#include "RunningAppSettings.h"

#include "afxwin.h"

CAppSettings* GetRunningAppSettings()
{
    return dynamic_cast<CAppSettings*>(AfxGetApp());
}
