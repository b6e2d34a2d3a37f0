#pragma once

#include "OrvoLibraryU.h"

#include <exception>
#include <string>

// How serious a failure is. Hosts compare the numbers, so the values are fixed.
enum EErrorType : int
{
    // A request that cannot be honoured as made (an indicator for a control field);
    // nothing was changed.
    eErrorWarning = 0,
    // The data is at fault: a malformed record, a field or record too long to write,
    // invalid indicators. The object is unchanged and the caller can report and go on
    // (the ISO 2709 reader continues with the next record).
    eErrorRecoverable = 1,
    // The caller broke the interface's contract: a null pointer, an index, tag number
    // or enum value out of range. A bug in the calling code.
    eErrorFatal = 2
};

// rxText with every character outside printable ASCII replaced by '?': how
// messages (which name records, offsets and defects) go to a console.
ORVO_LIBRARYU_API std::string qxAsciiText(const std::wstring& rxText);

// The one exception type of the record library and of the editors built on it.
// Thrown by value, caught by type (also across the DLL boundary). The message names
// class and method: "TMarcRecord::qvSetLeader() : Leader must have 24 characters".
// The code is -1 unless a thrower documents otherwise.
class ORVO_LIBRARYU_API TException : public std::exception
{
public:
    TException(const std::wstring& rxMessage, EErrorType eErrorType, int iCode);
    TException(const wchar_t* pwcMessage, EErrorType eErrorType, int iCode);

    const wchar_t* qpwcGetMessage() const;
    EErrorType qeGetErrorType() const;
    int qiGetCode() const;

    // The message with every character outside ASCII replaced by '?', for code that
    // only knows std::exception.
    const char* what() const noexcept override;

private:
    std::wstring mxMessage;
    std::string mxAsciiMessage;
    EErrorType meErrorType;
    int miCode;
};
