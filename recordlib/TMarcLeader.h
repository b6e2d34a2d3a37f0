#pragma once

#include "MarcEnums.h"
#include "OrvoLibraryU.h"

#include <cstdint>

// The 24-character Leader of a MARC 21 record, plus an optional explicit record format.
//
// A new Leader reads "00000     2200000   4500": zeros for the record length (00-04)
// and base address (12-16), which the ISO 2709 writer computes; "22" (indicator count,
// subfield code length) and "4500" (directory entry map); blanks elsewhere.
// Every character must be printable ASCII (0x20-0x7E).
//
// Record format, qeGetType():
//   - if a format was set with qvSetMarcType(), that one (this is how a patron record,
//     which Leader/06 cannot express, or any other override is made);
//     qvClearMarcType() removes it;
//   - otherwise by Leader/06: z authority; u, v, x, y holdings; q community
//     information; w classification; any other code bibliographic.
// The explicit format belongs to this object: it is copied with it and kept by
// qvSetData(), but it is not part of the 24 characters and is never written to ISO 2709.
//
// Coded positions: each getter returns the enum value of the code at its position, or
// the enum's Undefined value when the code has none. The encoding level (17) is
// decoded by format: '1' is eFullLevelNotExamined in a bibliographic record and
// eHoldingsLevel1 in a holdings record; community and patron records have no encoding
// level values. A setter writes the value's code whatever the format; it throws
// TException (eErrorFatal) for the Undefined value or a number the enum does not have.
class ORVO_LIBRARYU_API TMarcLeader
{
public:
    static constexpr uint32_t mdwLength_static = 24;

    TMarcLeader();

    // The 24 characters, NUL-terminated.
    const char* qpacGetData() const;
    // Takes exactly 24 printable characters; TException otherwise (leader unchanged).
    void qvSetData(const char* pacData);
    // Throws what qvSetData would throw for this data, naming pwcCaller as the thrower.
    static void qvCheckData(const char* pacData, const wchar_t* pwcCaller);

    // One character at a 0-based position (0-23); TException out of range or not printable.
    char qcGetAt(uint32_t dwPosition) const;
    void qvSetAt(uint32_t dwPosition, char cCode);

    EMarcType qeGetType() const;
    void qvSetMarcType(EMarcType eMarcType);
    void qvClearMarcType();
    bool qtHasMarcType() const;

    ERecordStatus qeGetStatus() const;
    void qvSetStatus(ERecordStatus eValue);
    ETypeOfRecord qeGetTypeOfRecord() const;
    void qvSetTypeOfRecord(ETypeOfRecord eValue);
    EBibLevel qeGetBibLevel() const;
    void qvSetBibLevel(EBibLevel eValue);
    EKindOfData qeGetKindOfData() const;
    void qvSetKindOfData(EKindOfData eValue);
    EControlType qeGetControlType() const;
    void qvSetControlType(EControlType eValue);
    ECodingScheme qeGetCodingScheme() const;
    void qvSetCodingScheme(ECodingScheme eValue);
    EEncodingLevel qeGetEncodingLevel() const;
    void qvSetEncodingLevel(EEncodingLevel eValue);
    ECatalogingForm qeGetCatalogingForm() const;
    void qvSetCatalogingForm(ECatalogingForm eValue);
    EPunctuationPolicy qeGetPunctuationPolicy() const;
    void qvSetPunctuationPolicy(EPunctuationPolicy eValue);
    EItemInfoInRecord qeGetItemInfoInRecord() const;
    void qvSetItemInfoInRecord(EItemInfoInRecord eValue);
    ELinkRequirement qeGetLinkRequirement() const;
    void qvSetLinkRequirement(ELinkRequirement eValue);

private:
    char macData[mdwLength_static + 1];
    bool mtHasMarcType;
    EMarcType meMarcType;
};
