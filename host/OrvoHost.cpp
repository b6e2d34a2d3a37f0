// orvo-host: a small cataloguing program that uses OrvoFieldEditors as any host
// does. It opens a file of MARC 21 records (ISO 2709 or MARCMaker text), shows
// its records and their fields, runs the field editors on the selected record
// and saves the file in either form.
//
//   orvo-host [FILE]
#include "host/THostMainWindow.h"
#include "host/TWin32HostPrompt.h"

#include <shellapi.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow)
{
    TWin32HostPrompt prompt;
    THostMainWindow window(prompt, true);
    if (!window.qtCreate())
        return 1;
    prompt.qvSetOwner(window.m_hWnd);
    window.ShowWindow(nCmdShow);
    window.UpdateWindow();

    int iArgCount = 0;
    LPWSTR* ppwcArgs = ::CommandLineToArgvW(::GetCommandLineW(), &iArgCount);
    if (ppwcArgs != nullptr)
    {
        if (iArgCount > 1)
            window.qrxGetSession().qtOpenFile(ppwcArgs[1]);
        ::LocalFree(ppwcArgs);
        window.qvRefresh();
    }

    return window.qiRunMessageLoop();
}
