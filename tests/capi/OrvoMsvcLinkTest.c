/* The C interface from a program built for Microsoft's ABI, as a Visual Studio
 * project builds it: compiled by clang for the *-pc-windows-msvc target and
 * linked by lld-link against OrvoFieldEditors.lib only (with MinGW's import
 * libraries of kernel32 and user32 for the system). There is no C runtime for
 * that ABI here, so the program has its own entry point and declares the few
 * Windows names it needs itself; the library's declarations come from
 * OrvoFieldEditors.h. It opens the 008 editor on a sample record with OK and
 * with Cancel, then walks the error paths. Exit status: the failed checks. */
#include <stddef.h>

typedef unsigned char BYTE;
typedef unsigned long DWORD;
typedef unsigned int UINT;
typedef int BOOL;
typedef wchar_t WCHAR;
typedef struct HWND__* HWND;
typedef void* HANDLE;
typedef size_t WPARAM;
typedef ptrdiff_t LPARAM;
#define WINAPI __stdcall
#define FALSE 0
#define SYSTEM_API __declspec(dllimport)

#define ORVO_FIELD_EDITORS_NO_WINDOWS_H
#include "manager/OrvoFieldEditors.h"

SYSTEM_API HANDLE WINAPI GetStdHandle(DWORD which);
SYSTEM_API BOOL WINAPI WriteFile(HANDLE file, const void* bytes, DWORD count, DWORD* written, void* overlapped);
SYSTEM_API HANDLE WINAPI CreateFileA(const char* name, DWORD access, DWORD share, void* security, DWORD creation,
                                     DWORD flags, HANDLE model);
SYSTEM_API BOOL WINAPI ReadFile(HANDLE file, void* bytes, DWORD count, DWORD* read, void* overlapped);
SYSTEM_API BOOL WINAPI CloseHandle(HANDLE handle);
SYSTEM_API void WINAPI ExitProcess(UINT status);
SYSTEM_API DWORD WINAPI GetCurrentThreadId(void);
typedef void(WINAPI* TIMERPROC)(HWND, UINT, WPARAM, DWORD);
typedef BOOL(WINAPI* WNDENUMPROC)(HWND, LPARAM);
SYSTEM_API WPARAM WINAPI SetTimer(HWND window, WPARAM id, UINT milliseconds, TIMERPROC callback);
SYSTEM_API BOOL WINAPI KillTimer(HWND window, WPARAM id);
SYSTEM_API BOOL WINAPI EnumThreadWindows(DWORD thread, WNDENUMPROC callback, LPARAM parameter);
SYSTEM_API int WINAPI GetClassNameW(HWND window, WCHAR* name, int capacity);
SYSTEM_API BOOL WINAPI IsWindowVisible(HWND window);
SYSTEM_API HWND WINAPI FindWindowExW(HWND parent, HWND after, const WCHAR* className, const WCHAR* text);
SYSTEM_API BOOL WINAPI PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
#define STD_OUTPUT_HANDLE ((DWORD)-11)
#define GENERIC_READ 0x80000000UL
#define OPEN_EXISTING 3
#define INVALID_HANDLE_VALUE ((HANDLE)(ptrdiff_t)-1)
#define BM_CLICK 0x00F5

static int failures = 0;

static void print(const char* text)
{
    DWORD length = 0;
    DWORD written;
    while (text[length] != 0)
        ++length;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, length, &written, NULL);
}

static void check(int good, const char* what)
{
    if (!good)
    {
        ++failures;
        print("FAILED: ");
        print(what);
        print("\n");
    }
}

static int same_bytes(const BYTE* one, const BYTE* other, DWORD size)
{
    DWORD i;
    for (i = 0; i < size; ++i)
        if (one[i] != other[i])
            return 0;
    return 1;
}

/* ---- A click on the editor's OK or Cancel button, posted once it is up. */

static const WCHAR* buttonToClick;

static BOOL WINAPI find_dialog(HWND window, LPARAM found)
{
    WCHAR className[8];
    if (IsWindowVisible(window) && GetClassNameW(window, className, 8) == 6 && className[0] == L'#' &&
        className[1] == L'3' && className[2] == L'2' && className[3] == L'7' && className[4] == L'7' &&
        className[5] == L'0')
    {
        *(HWND*)found = window;
        return FALSE;
    }
    return 1;
}

static void WINAPI click_button(HWND window, UINT message, WPARAM id, DWORD time)
{
    HWND dialog = NULL;
    HWND button;
    (void)window;
    (void)message;
    (void)time;
    EnumThreadWindows(GetCurrentThreadId(), find_dialog, (LPARAM)&dialog);
    button = dialog == NULL ? NULL : FindWindowExW(dialog, NULL, L"Button", buttonToClick);
    if (button == NULL)
        return;
    PostMessageW(button, BM_CLICK, 0, 0);
    KillTimer(NULL, id);
}

static int display_008(const BYTE* record, DWORD size, const WCHAR* button, BYTE** edited, DWORD* editedSize)
{
    buttonToClick = button;
    SetTimer(NULL, 0, 50, click_button);
    return OrvoDisplayEditor(ORVO_EDITOR_008, record, size, 0, NULL, edited, editedSize);
}

static BYTE record[100000];

void orvo_msvc_main(void)
{
    HANDLE file = CreateFileA(ORVO_SAMPLE_RECORD, GENERIC_READ, 1, NULL, OPEN_EXISTING, 0, NULL);
    DWORD size = 0;
    BYTE* edited = NULL;
    DWORD editedSize = 0;
    const WCHAR* version = OrvoGetVersion();

    check(version != NULL && version[0] >= L'0' && version[0] <= L'9', "OrvoGetVersion");
    check(file != INVALID_HANDLE_VALUE && ReadFile(file, record, sizeof record, &size, NULL) && size > 24,
          "the sample record cannot be read");
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);

    check(display_008(record, size, L"OK", &edited, &editedSize) == ORVO_RESULT_SAVED, "008 editor, OK: not saved");
    check(edited != NULL && editedSize == size && same_bytes(edited, record, size),
          "008 editor, OK: the record did not come back byte for byte");
    check(OrvoGetLastErrorType() == ORVO_ERROR_NONE && OrvoGetLastErrorMessage()[0] == 0,
          "008 editor, OK: an error is left after a success");
    OrvoFreeRecord(edited);
    check(display_008(record, size, L"Cancel", &edited, &editedSize) == ORVO_RESULT_CANCELLED && edited == NULL &&
              editedSize == 0,
          "008 editor, Cancel");

    check(OrvoDisplayEditor(5, record, size, 0, NULL, &edited, &editedSize) == ORVO_RESULT_ERROR &&
              OrvoGetLastErrorType() == ORVO_ERROR_CONTRACT && OrvoGetLastErrorMessage()[0] != 0 && edited == NULL,
          "an unknown editor is not refused as a broken contract");
    check(OrvoDisplayEditor(ORVO_EDITOR_LEADER, record, size - 1, 0, NULL, &edited, &editedSize) == ORVO_RESULT_ERROR &&
              OrvoGetLastErrorType() == ORVO_ERROR_BAD_DATA,
          "a record cut short is not refused as bad data");
    check(OrvoAddGeneric008(NULL, size, FALSE, &edited, &editedSize) == ORVO_RESULT_ERROR &&
              OrvoGetLastErrorType() == ORVO_ERROR_CONTRACT,
          "a null record is not refused as a broken contract");
    check(OrvoAddGeneric008(record, size, FALSE, &edited, &editedSize) == ORVO_RESULT_UNCHANGED && edited == NULL,
          "a record with an 008 does not keep it");
    OrvoFreeRecord(NULL);

    print(failures == 0 ? "PASSED\n" : "FAILED\n");
    ExitProcess((UINT)failures);
}
