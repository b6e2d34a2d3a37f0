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

// The output of a run: written to a temporary file in the folder of the file it
// will replace, and renamed into place by qvCommit only. A run that ends without
// qvCommit (an error, an exception) leaves the old file as it was and removes the
// temporary one.
class TOutputFile
{
public:
    // TException (eErrorRecoverable) when the temporary file cannot be created.
    // On Windows a narrow path is in the ANSI code page, as fopen reads it; a wide
    // one reaches any name.
    explicit TOutputFile(const std::string& rxPath);
    explicit TOutputFile(const std::wstring& rxPath);
    TOutputFile(const TOutputFile&) = delete;
    TOutputFile& operator=(const TOutputFile&) = delete;
    ~TOutputFile();

    std::ostream& qrxStream() { return mxStream; }
    // Closes the temporary file and puts it in place of the output; TException
    // (eErrorRecoverable) when it cannot be written or renamed.
    void qvCommit();

private:
    void qvOpen();

    std::filesystem::path::string_type mxTarget;
    std::filesystem::path::string_type mxTemporary;
    std::vector<char> mxBuffer;
    std::ofstream mxStream;
    bool mtCommitted;
};
