// Output files of the programs that write records (the batch command, the
// command-line editor, the host), handled so that a run never destroys its
// input and never leaves a half-written output.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// True when both paths name one existing file, whatever the names (".", "..",
// links, case on Windows): by device and inode natively, by volume serial number
// and file index on Windows. False when either does not exist.
bool qtSameFile(const std::string& rxPathA, const std::string& rxPathB);
bool qtSameFile(const std::wstring& rxPathA, const std::wstring& rxPathB);

// True when the path names a folder.
bool qtIsFolder(const std::string& rxPath);
bool qtIsFolder(const std::wstring& rxPath);

// True when the path names a file that exists and may not be written (mode
// without write permission, the read-only attribute on Windows), which
// TOutputFile refuses to replace without tForce.
bool qtIsReadOnlyFile(const std::wstring& rxPath);

// The output of a run: written to a temporary file in the folder of the file it
// will replace, and renamed into place by qvCommit only. A run that ends without
// qvCommit (an error, an exception) leaves the old file as it was and removes the
// temporary one; so does a run stopped by SIGTERM, SIGINT or SIGHUP (Ctrl+C on Windows).
// The new file keeps the old one's permissions (mode and owner where the system has
// them, the attributes on Windows).
class TOutputFile
{
public:
    // TException (eErrorRecoverable), nothing created, when the path is a folder, when
    // the file is read-only and not tForce (with tForce it is replaced and stays
    // read-only), or when the temporary file cannot be created. The message is a
    // sentence about the file. On Windows a narrow path is in the ANSI code page, as
    // fopen reads it; a wide one reaches any name.
    explicit TOutputFile(const std::string& rxPath, bool tForce = false);
    explicit TOutputFile(const std::wstring& rxPath, bool tForce = false);
    TOutputFile(const TOutputFile&) = delete;
    TOutputFile& operator=(const TOutputFile&) = delete;
    ~TOutputFile();

    std::ostream& qrxStream() { return mxStream; }
    // Closes the temporary file and puts it in place of the output; TException
    // (eErrorRecoverable) when it cannot be written or renamed.
    void qvCommit();

private:
    void qvOpen(bool tForce);
    void qvReleaseSignalSlot();

    std::filesystem::path::string_type mxTarget;
    int miSignalSlot; // where the signal handler finds the temporary file; -1 none
    std::filesystem::path::string_type mxTemporary;
    std::vector<char> mxBuffer;
    std::ofstream mxStream;
    bool mtCommitted;
};
