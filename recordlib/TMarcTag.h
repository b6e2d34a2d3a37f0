#pragma once

#include "MarcEnums.h"
#include "OrvoLibraryU.h"
#include "TXBuffer.h"

#include <cstdint>

// One field of a MARC 21 record: a tag number and the field's content exactly as in
// ISO 2709 without its field terminator. For a control field (tag 000-009) the content
// is the field's characters; for a data field it is the two indicators followed by the
// subfields, each introduced by mcDelimiter and its code.
//
// The tag number is -1 (none yet) or 0-999. The content may hold any byte except NUL
// (it is also read as a C string); qvSetData and qtAppend refuse embedded NULs.
// The ISO 2709 writer further refuses field and record terminators in the content and
// data fields without two valid indicators.
//
// The bool flag of qvSetData and qtAppend: true checks that the resulting content of a
// data field begins with two valid indicators (blank, digit or lowercase letter) and
// throws TException otherwise; false stores the data as given. A control field has no
// indicators, so for tags 000-009 the flag changes nothing.
// Every method that throws leaves the field unchanged.
class ORVO_LIBRARYU_API TMarcTag {
public:
    static constexpr char mcDelimiter = 0x1F;

    TMarcTag(int iTagNumber = -1);

    int qiGetTagNumber() const;
    void qvSetTagNumber(int iTagNumber);
    // Tags 000-009; false for a field without a tag number.
    bool qtIsControlField() const;

    const char* qpacGetData() const;
    const unsigned char* qpaxGetData() const;
    uint32_t qdwGetDataSize() const;

    void qvSetData(const char* pacData, bool tCheckIndicators);
    void qvSetData(const TXBuffer<unsigned char>& rxData, bool tCheckIndicators);
    // dwSize bytes from paxData (a reader's field, copied once).
    void qvSetData(const unsigned char* paxData, uint32_t dwSize, bool tCheckIndicators);
    // Appends the buffer to the content; false (and nothing changed) when it is empty.
    bool qtAppend(const TXBuffer<unsigned char>& rxData, bool tCheckIndicators);

    // Indicator of a data field; blank when the content is too short to hold it and for
    // a control field.
    char qcGetIndicator(ETagIndicator eIndicator) const;
    // Writes an indicator, first padding the content with blanks to two characters.
    // TException for a control field (eErrorWarning) and for a character that is not a
    // valid indicator (eErrorRecoverable).
    void qvSetIndicator(ETagIndicator eIndicator, char cIndicator);

    static bool qtIsValidIndicator(char cIndicator);

private:
    void qvStore(const unsigned char* paxData, uint32_t dwSize, bool tCheckIndicators, const wchar_t* pwcMethod);
    static uint32_t qdwIndicatorIndex(ETagIndicator eIndicator, const wchar_t* pwcMethod);

    int miTagNumber;
    TXBuffer<unsigned char> mxData;
};
