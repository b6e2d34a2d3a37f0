#pragma once

#include "MarcEnums.h"
#include "OrvoLibraryU.h"
#include "TXBuffer.h"

#include <cstdint>
#include <string>

// One field of a MARC 21 record: a tag number and the field's content exactly as in
// ISO 2709 without its field terminator. For a control field (tag 000-009) the content
// is the field's characters; for a data field it is the two indicators followed by the
// subfields, each introduced by mcDelimiter and its code.
//
// The tag number is -1 (none yet), 0-999 for a numeric tag, or a number from
// miFirstAlphanumericTag_static up for a tag of three ASCII letters and digits with at
// least one letter (local tags such as CAT, LKR, OWN): 1000 + the three characters read
// as a number in base 62, each character's digit its rank in ASCII order (0-9, A-Z,
// a-z). So numeric tags keep their numbers and every alphanumeric tag sorts after 999,
// alphanumeric tags among themselves in ASCII order of their text, and qvOrderedInsert
// puts them after the numeric ones. qiTagNumberOf and qxGetTagText go between a
// number and the tag's three characters. Control fields are the tags beginning "00"
// (000-009, and 00A, ... as ISO 2709 gives them); every other tag has indicators.
//
// The content may hold any byte except NUL
// (it is also read as a C string); qvSetData and qtAppend refuse embedded NULs.
// The ISO 2709 writer further refuses field and record terminators in the content and
// data fields without two valid indicators.
//
// The bool flag of qvSetData and qtAppend: true checks that the resulting content of a
// data field begins with two valid indicators (blank, digit or lowercase letter) and
// throws TException otherwise; false stores the data as given. A control field has no
// indicators, so for tags 000-009 the flag changes nothing.
// Every method that throws leaves the field unchanged.
class ORVO_LIBRARYU_API TMarcTag
{
public:
    static constexpr char mcDelimiter = 0x1F;

    static constexpr int miFirstAlphanumericTag_static = 1000;
    static constexpr int miLastTagNumber_static = miFirstAlphanumericTag_static + 62 * 62 * 62 - 1;

    // TException (eErrorFatal) for a number that is no tag's (see above).
    TMarcTag(int iTagNumber = -1);

    // The number of the tag written as pacTag's three characters (ASCII letters and
    // digits); -1 when they are not such a tag.
    static int qiTagNumberOf(const char* pacTag);
    // The tag's three characters ("245", "CAT"); empty for -1 and any number no tag has.
    static std::string qxTagText(int iTagNumber);
    std::string qxGetTagText() const;
    // The same for messages; "???" for a field without a tag.
    static std::wstring qxTagWideText(int iTagNumber);
    std::wstring qxGetTagWideText() const;

    int qiGetTagNumber() const;
    void qvSetTagNumber(int iTagNumber);
    // Tags beginning "00"; false for a field without a tag number.
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
