/* Starts the programs of an unzipped package from its folder, as a cataloguer
 * starts them, and closes them again: orvo-edit on a record (Cancel in its
 * editor: exit status 1) and orvo-host on the file (closed from its window
 * once it shows the file: exit status 0). A DLL the package lacks ends the
 * program before any window shows, with the loader's status as exit status.
 * Linked statically, so that it needs nothing beside it either.
 *
 *   orvo_package_run PACKAGE-FOLDER RECORD-FILE
 * Exit status: the number of failed runs. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

typedef struct
{
    DWORD process;
    const char* captionStart; /* NULL: the editor's dialog (#32770) */
    HWND found;
} Search;

static BOOL CALLBACK find_window(HWND window, LPARAM parameter)
{
    Search* search = (Search*)parameter;
    DWORD process = 0;
    char text[256] = "";
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window))
        return TRUE;
    if (search->captionStart == NULL)
        GetClassNameA(window, text, sizeof text);
    else
        GetWindowTextA(window, text, sizeof text);
    if (strncmp(text, search->captionStart == NULL ? "#32770" : search->captionStart,
                strlen(search->captionStart == NULL ? "#32770" : search->captionStart)) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

/* Runs COMMAND in FOLDER, waits up to a minute for its window, closes it and
 * wants EXPECTED as exit status. Returns 0 when it went so. */
static int run(const char* folder, const char* command, const char* captionStart, DWORD expected)
{
    char line[2048];
    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    Search search = {0, captionStart, NULL};
    DWORD status = 0;
    int i;
    snprintf(line, sizeof line, "\"%s\\%s", folder, command);
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    if (!CreateProcessA(NULL, line, NULL, NULL, FALSE, 0, NULL, folder, &startup, &process))
    {
        printf("FAILED: %s could not be started (error %lu)\n", line, GetLastError());
        return 1;
    }
    search.process = process.dwProcessId;
    for (i = 0; i < 600 && search.found == NULL; ++i)
    {
        if (WaitForSingleObject(process.hProcess, 100) != WAIT_TIMEOUT)
            break;
        EnumWindows(find_window, (LPARAM)&search);
    }
    if (search.found == NULL)
    {
        GetExitCodeProcess(process.hProcess, &status);
        printf("FAILED: %s showed no window (exit status 0x%lx)\n", line, status);
        TerminateProcess(process.hProcess, 99);
    }
    else if (captionStart == NULL)
        PostMessageA(FindWindowExA(search.found, NULL, "Button", "Cancel"), BM_CLICK, 0, 0);
    else
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0 || !GetExitCodeProcess(process.hProcess, &status))
    {
        printf("FAILED: %s did not end\n", line);
        TerminateProcess(process.hProcess, 99);
        status = 99;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (search.found != NULL && status != expected)
        printf("FAILED: %s ended with %lu, not %lu\n", line, status, expected);
    return search.found == NULL || status != expected;
}

int main(int argc, char** argv)
{
    char command[1024];
    int failures = 0;
    if (argc != 3)
    {
        printf("usage: orvo_package_run PACKAGE-FOLDER RECORD-FILE\n");
        return 2;
    }
    snprintf(command, sizeof command, "orvo-edit.exe\" 008 \"%s\"", argv[2]);
    failures += run(argv[1], command, NULL, 1);
    snprintf(command, sizeof command, "orvo-host.exe\" \"%s\"", argv[2]);
    failures += run(argv[1], command, "records.mrc", 0);
    printf("%s: %d failed runs\n", failures == 0 ? "PASSED" : "FAILED", failures);
    return failures;
}
