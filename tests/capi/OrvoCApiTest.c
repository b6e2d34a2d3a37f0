/* The C interface, used from C as a cataloguing program written in C would:
 * this file is compiled as C and links only OrvoFieldEditors.h's import
 * library. Each editor is opened on a record, closed with OK and with Cancel
 * by input posted to the dialog, and the bytes that come back are checked;
 * then every error path. The exit status is the number of failed checks. */
#include "manager/OrvoFieldEditors.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

static int failures = 0;

#define CHECK(condition, ...)                                                                                          \
    do                                                                                                                 \
    {                                                                                                                  \
        if (!(condition))                                                                                              \
        {                                                                                                              \
            ++failures;                                                                                                \
            printf("FAILED line %d: %s: ", __LINE__, #condition);                                                      \
            printf(__VA_ARGS__);                                                                                       \
            printf("\n");                                                                                              \
        }                                                                                                              \
    } while (0)

/* ---- One ISO 2709 record from fields, as any C program would build it. */

typedef struct
{
    const char* tag;
    const char* data; /* indicators and subfields ('$' for the delimiter), or a control field */
} Field;

static DWORD build_record(const Field* fields, int count, BYTE* out, DWORD capacity)
{
    char directory[1024] = "";
    static BYTE data[100000];
    DWORD dataLength = 0;
    int i;
    for (i = 0; i < count; ++i)
    {
        DWORD length = (DWORD)strlen(fields[i].data);
        DWORD j;
        char entry[13];
        for (j = 0; j < length; ++j)
            data[dataLength + j] = (BYTE)(fields[i].data[j] == '$' ? 0x1F : fields[i].data[j]);
        data[dataLength + length] = 0x1E;
        snprintf(entry, sizeof entry, "%3s%04lu%05lu", fields[i].tag, (unsigned long)(length + 1),
                 (unsigned long)dataLength);
        strcat(directory, entry);
        dataLength += length + 1;
    }
    {
        DWORD base = 24 + (DWORD)strlen(directory) + 1;
        DWORD total = base + dataLength + 1;
        char leader[25];
        if (total > capacity)
            return 0;
        snprintf(leader, sizeof leader, "%05lunam a22%05lu a 4500", (unsigned long)total, (unsigned long)base);
        memcpy(out, leader, 24);
        memcpy(out + 24, directory, strlen(directory));
        out[base - 1] = 0x1E;
        memcpy(out + base, data, dataLength);
        out[total - 1] = 0x1D;
        return total;
    }
}

static const Field bookFields[] = {
    {"001", "capi-test-1"},
    {"006", "a    d      000 1 "},
    {"007", "cr una---uuuuu"},
    {"008", "020805s2002    nyua   j      000 1 eng d"},
    {"245", "10$aThe C interface :$bENGLISH capitals kept."},
    {"856", "40$uhttp://example.org/one$zFirst note$zSecond note"},
};

static DWORD build_book(BYTE* out, DWORD capacity)
{
    return build_record(bookFields, (int)(sizeof bookFields / sizeof bookFields[0]), out, capacity);
}

/* ---- Posted input: a thread timer finds the editor's dialog once it is up
 * and posts a click on its OK (VK_RETURN) or Cancel (VK_ESCAPE) button. */

static UINT keyToPost = 0;
static int keyPosted = 0;

static BOOL CALLBACK find_dialog(HWND hwnd, LPARAM found)
{
    WCHAR className[16];
    if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, className, 16) && wcscmp(className, L"#32770") == 0)
    {
        *(HWND*)found = hwnd;
        return FALSE;
    }
    return TRUE;
}

static void CALLBACK post_key(HWND hwnd, UINT message, UINT_PTR id, DWORD time)
{
    HWND dialog = NULL;
    HWND button;
    (void)hwnd;
    (void)message;
    (void)time;
    EnumThreadWindows(GetCurrentThreadId(), find_dialog, (LPARAM)&dialog);
    if (dialog == NULL || keyPosted)
        return;
    /* A click on the dialog's OK or Cancel button, found by its text as a user finds it. */
    button = FindWindowExW(dialog, NULL, L"Button", keyToPost == VK_RETURN ? L"OK" : L"Cancel");
    if (button == NULL)
        return;
    PostMessageW(button, BM_CLICK, 0, 0);
    keyPosted = 1;
    KillTimer(NULL, id);
}

typedef int(WINAPI* DisplayEditorFunction)(int, const BYTE*, DWORD, int, HWND, BYTE**, DWORD*);

static int display_through(DisplayEditorFunction display, int editor, const BYTE* record, DWORD size, int occurrence,
                           UINT key, BYTE** edited, DWORD* editedSize)
{
    keyToPost = key;
    keyPosted = 0;
    *edited = (BYTE*)1; /* the library must set both, whatever the result */
    *editedSize = 1;
    SetTimer(NULL, 0, 50, post_key);
    return display(editor, record, size, occurrence, NULL, edited, editedSize);
}

static int display_with_key(int editor, const BYTE* record, DWORD size, int occurrence, UINT key, BYTE** edited,
                            DWORD* editedSize)
{
    return display_through(OrvoDisplayEditor, editor, record, size, occurrence, key, edited, editedSize);
}

static void test_each_editor_round_trip(void)
{
    static const struct
    {
        int editor;
        int occurrence;
        const char* name;
    } editors[] = {
        {ORVO_EDITOR_LEADER, 0, "Leader"}, {ORVO_EDITOR_006, 1, "006"}, {ORVO_EDITOR_007, 1, "007"},
        {ORVO_EDITOR_008, 0, "008"},       {ORVO_EDITOR_856, 1, "856"},
    };
    BYTE record[8192];
    const DWORD size = build_book(record, sizeof record);
    size_t i;
    for (i = 0; i < sizeof editors / sizeof editors[0]; ++i)
    {
        BYTE* edited;
        DWORD editedSize;
        int result =
            display_with_key(editors[i].editor, record, size, editors[i].occurrence, VK_RETURN, &edited, &editedSize);
        CHECK(result == ORVO_RESULT_SAVED, "%s editor, OK: result %d, error \"%ls\"", editors[i].name, result,
              OrvoGetLastErrorMessage());
        CHECK(edited != NULL && editedSize == size && memcmp(edited, record, size) == 0,
              "%s editor, OK: the record did not come back byte for byte (%lu bytes for %lu)", editors[i].name,
              (unsigned long)editedSize, (unsigned long)size);
        CHECK(OrvoGetLastErrorType() == ORVO_ERROR_NONE && OrvoGetLastErrorMessage()[0] == 0,
              "%s editor, OK: an error is left after a success", editors[i].name);
        OrvoFreeRecord(edited);

        result =
            display_with_key(editors[i].editor, record, size, editors[i].occurrence, VK_ESCAPE, &edited, &editedSize);
        CHECK(result == ORVO_RESULT_CANCELLED, "%s editor, Cancel: result %d", editors[i].name, result);
        CHECK(edited == NULL && editedSize == 0, "%s editor, Cancel: a record was handed out", editors[i].name);
    }
}

/* A host that loads the library at run time (GetProcAddress, a VB6 Declare, a
 * Delphi external) finds every function by its plain name, also on 32-bit
 * Windows where WINAPI decorates it ("OrvoDisplayEditor@28"), and only by it. */
static void test_exports_by_plain_name(void)
{
    static const char* const names[] = {"OrvoDisplayEditor",       "OrvoAddGeneric008",    "OrvoFreeRecord",
                                        "OrvoGetLastErrorMessage", "OrvoGetLastErrorType", "OrvoGetLastErrorCode",
                                        "OrvoGetVersion"};
    const HMODULE library = GetModuleHandleW(L"OrvoFieldEditors.dll");
    BYTE record[8192];
    const DWORD size = build_book(record, sizeof record);
    DisplayEditorFunction display;
    BYTE* edited;
    DWORD editedSize;
    int result;
    size_t i;
    for (i = 0; i < sizeof names / sizeof names[0]; ++i)
        CHECK(GetProcAddress(library, names[i]) != NULL, "no export named %s", names[i]);
    CHECK(GetProcAddress(library, "OrvoDisplayEditor@28") == NULL &&
              GetProcAddress(library, "_OrvoFreeRecord@4") == NULL,
          "a decorated name is exported");

    display = (DisplayEditorFunction)(void*)GetProcAddress(library, "OrvoDisplayEditor");
    if (display == NULL)
        return;
    result = display_through(display, ORVO_EDITOR_LEADER, record, size, 0, VK_RETURN, &edited, &editedSize);
    CHECK(result == ORVO_RESULT_SAVED && editedSize == size && memcmp(edited, record, size) == 0,
          "the Leader editor through GetProcAddress: result %d, %lu bytes for %lu", result, (unsigned long)editedSize,
          (unsigned long)size);
    OrvoFreeRecord(edited);
}

static void test_default_008(void)
{
    static const Field withoutDefault[] = {{"001", "capi-test-2"}, {"245", "10$aNo 008 yet"}};
    BYTE record[8192];
    BYTE* result = NULL;
    DWORD resultSize = 0;
    const DWORD size = build_record(withoutDefault, 2, record, sizeof record);
    int added = OrvoAddGeneric008(record, size, FALSE, &result, &resultSize);
    CHECK(added == ORVO_RESULT_SAVED, "default 008: result %d, error \"%ls\"", added, OrvoGetLastErrorMessage());
    /* One field more: a directory entry of 12 bytes and 40 characters with their terminator. */
    CHECK(result != NULL && resultSize == size + 12 + 41, "default 008: %lu bytes for %lu", (unsigned long)resultSize,
          (unsigned long)size);
    CHECK(result != NULL && memcmp(result + 24, "001", 3) == 0 && memcmp(result + 36, "008", 3) == 0,
          "default 008: not in tag order");
    OrvoFreeRecord(result);

    result = (BYTE*)1;
    added = OrvoAddGeneric008(record, build_book(record, sizeof record), FALSE, &result, &resultSize);
    CHECK(added == ORVO_RESULT_UNCHANGED && result == NULL, "default 008 kept: result %d", added);
}

/* Committed private memory of the process: what a leak would make grow. */
static SIZE_T private_bytes(void)
{
    MEMORY_BASIC_INFORMATION info;
    const BYTE* address = NULL;
    SIZE_T total = 0;
    while (VirtualQuery(address, &info, sizeof info) == sizeof info)
    {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            total += info.RegionSize;
        address = (const BYTE*)info.BaseAddress + info.RegionSize;
        if (address < (const BYTE*)info.BaseAddress)
            break;
    }
    return total;
}

static void expect_error(int result, int type, const WCHAR* messageStart, const char* what)
{
    CHECK(result == ORVO_RESULT_ERROR, "%s: result %d", what, result);
    CHECK(OrvoGetLastErrorType() == type, "%s: error type %d", what, OrvoGetLastErrorType());
    CHECK(OrvoGetLastErrorCode() == -1, "%s: error code %d", what, OrvoGetLastErrorCode());
    CHECK(wcsncmp(OrvoGetLastErrorMessage(), messageStart, wcslen(messageStart)) == 0, "%s: message \"%ls\"", what,
          OrvoGetLastErrorMessage());
}

static void run_error_paths(void)
{
    BYTE record[8192];
    BYTE* out = (BYTE*)1;
    DWORD outSize = 1;
    const DWORD size = build_book(record, sizeof record);

    expect_error(OrvoDisplayEditor(5, record, size, 0, NULL, &out, &outSize), ORVO_ERROR_CONTRACT,
                 L"TFieldEditorManager::qeDisplay() : Unknown field editor parameter", "editor 5");
    CHECK(out == NULL && outSize == 0, "editor 5: the result was not emptied");

    expect_error(OrvoDisplayEditor(ORVO_EDITOR_008, record, size - 1, 0, NULL, &out, &outSize), ORVO_ERROR_BAD_DATA,
                 L"TMarcRecord::", "a record cut short");
    expect_error(OrvoDisplayEditor(ORVO_EDITOR_008, NULL, size, 0, NULL, &out, &outSize), ORVO_ERROR_CONTRACT,
                 L"OrvoDisplayEditor() : ", "a null record");
    expect_error(OrvoDisplayEditor(ORVO_EDITOR_008, record, size, 0, NULL, NULL, &outSize), ORVO_ERROR_CONTRACT,
                 L"OrvoDisplayEditor() : ", "a null result pointer");
    expect_error(OrvoAddGeneric008(record, size, TRUE, &out, NULL), ORVO_ERROR_CONTRACT, L"OrvoAddGeneric008() : ",
                 "a null size pointer");
    expect_error(OrvoDisplayEditor(ORVO_EDITOR_008, record, size, 0, (HWND)(ULONG_PTR)0x7777, &out, &outSize),
                 ORVO_ERROR_CONTRACT, L"OrvoDisplayEditor() : ", "a parent that is not a window");
    record[30] = 'x'; /* inside the first directory entry's length */
    expect_error(OrvoAddGeneric008(record, size, TRUE, &out, &outSize), ORVO_ERROR_BAD_DATA, L"TMarcRecord::",
                 "a broken directory");

    {
        /* Just under the writer's limit of 99999 bytes: adding the 008 makes the
         * record too long to write, so the request fails and nothing is handed out. */
        static BYTE large[100000];
        static char note[9071];
        Field fields[12] = {{"001", "capi-test-large"}};
        DWORD largeSize;
        int i;
        memset(note, 'x', sizeof note - 1);
        memcpy(note, "  $a", 4);
        for (i = 1; i < 12; ++i)
        {
            fields[i].tag = "500";
            fields[i].data = note;
        }
        largeSize = build_record(fields, 12, large, sizeof large);
        CHECK(largeSize == 99967, "the large record has %lu bytes", (unsigned long)largeSize);
        out = (BYTE*)1;
        expect_error(OrvoAddGeneric008(large, largeSize, TRUE, &out, &outSize), ORVO_ERROR_BAD_DATA, L"TMarcRecord::",
                     "a record the writer refuses");
        CHECK(out == NULL, "a record the writer refuses: a record was handed out");
    }
}

static void test_error_paths_leak_nothing(void)
{
    SIZE_T before;
    SIZE_T after;
    int i;
    run_error_paths();
    before = private_bytes();
    for (i = 0; i < 300; ++i)
        run_error_paths();
    after = private_bytes();
    CHECK(after <= before + 256 * 1024, "error paths: private memory grew from %lu to %lu bytes", (unsigned long)before,
          (unsigned long)after);
}

/* ---- The record check: findings as text, one line each, freed as records are. */

static int count_lines(const BYTE* text, DWORD size)
{
    int lines = 0;
    DWORD i;
    for (i = 0; i < size; ++i)
        lines += text[i] == '\n';
    return lines;
}

static void test_check_record(void)
{
    static const char undefined[] = "error\tundefined-code\t008/22\t008\t1\t22\t1\t~\t";
    Field fields[sizeof bookFields / sizeof bookFields[0]];
    BYTE record[8192];
    BYTE* text = (BYTE*)1;
    DWORD size = 1;
    DWORD recordSize;
    int before;
    int after;
    memcpy(fields, bookFields, sizeof fields);
    recordSize = build_book(record, sizeof record);
    before = OrvoCheckRecord(record, recordSize, &text, &size);
    CHECK(before >= 0, "the book record: %d", before);
    CHECK(before == (text == NULL ? 0 : count_lines(text, size)), "%d findings, %lu bytes", before,
          (unsigned long)size);
    CHECK(text == NULL || text[size] == 0, "the text ends in a NUL");
    OrvoFreeRecord(text);

    /* 008/22 (target audience) "~", which no row of its list has: one finding more, naming the place and the list. */
    fields[3].data = "020805s2002    nyua   ~      000 1 eng d";
    recordSize = build_record(fields, (int)(sizeof fields / sizeof fields[0]), record, sizeof record);
    after = OrvoCheckRecord(record, recordSize, &text, &size);
    CHECK(after == before + 1, "%d findings after %d", after, before);
    CHECK(text != NULL && strstr((const char*)text, undefined) != NULL, "text: %s",
          text ? (const char*)text : "(null)");
    OrvoFreeRecord(text);

    CHECK(OrvoCheckRecord(record, recordSize, NULL, &size) == ORVO_RESULT_ERROR, "a null result pointer");
    CHECK(OrvoCheckRecord(NULL, recordSize, &text, &size) == ORVO_RESULT_ERROR && text == NULL, "a null record");
    CHECK(OrvoCheckRecord((const BYTE*)"no record", 9, &text, &size) == 1 && text != NULL &&
              strstr((const char*)text, "\tunreadable\t") != NULL,
          "bytes that are no record: one finding");
    OrvoFreeRecord(text);
}

int main(void)
{
    const WCHAR* version = OrvoGetVersion();
    CHECK(version != NULL && iswdigit(version[0]) && wcschr(version, L'.') != NULL, "version \"%ls\"", version);
    test_each_editor_round_trip();
    test_exports_by_plain_name();
    test_default_008();
    test_check_record();
    test_error_paths_leak_nothing();
    printf("%s: %d failed checks\n", failures == 0 ? "PASSED" : "FAILED", failures);
    return failures;
}
