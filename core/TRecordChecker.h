// The record checker: every coded value of one record against the very tables
// the editors show (the Leader lists of its format, the 006 layout of its form,
// the 007 layout of its category, the 008 layout the 008 editor chooses, the
// 856 indicator lists), so that it can never call a code undefined that an
// editor's list offers, nor the other way round. Needs no window system.
//
// A finding says where (the Leader, or a tag and its occurrence; the first
// position and how many), what was found and what was expected: a list by its
// name, the characters an edit box allows, or a length. Errors are values no
// list offers, wrong lengths, structure the record must have; warnings are
// fill characters where a list expects a code and characters in positions the
// field leaves undefined (often a code since made obsolete).
#pragma once

#include "core/OrvoEditorCore.h"
#include "core/TCodeListEntry.h"
#include "recordlib/TMarcRepair.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TMarcRecord;

enum ECheckSeverity : int
{
    eCheckError = 0,
    eCheckWarning = 1
};

enum ECheckKind : int
{
    eCheckUndefinedCode = 0, // a code no row of the position's list has
    eCheckFillCharacter,     // fill characters where the list has no fill row
    eCheckDisallowedChars,   // characters the position's edit box does not take
    eCheckUndefinedPosition, // not blank or fill where the field defines nothing
    eCheckFieldLength,       // a fixed field of another length than its layout's
    eCheckNoLayout,          // 006 form or 007 category without a layout
    eCheckLeaderStructure,   // Leader 10-11, 20-23, record length, base address
    eCheckMissing008,        // a bibliographic record without 008
    eCheckRepeated008,       // a second (third, ...) 008
    eCheckIndicator,         // an indicator no row of its list has
    eCheckSubfield2,         // 856 $2 missing with first indicator 7, or present without
    eCheckRepaired,          // damage the lenient read repaired
    eCheckUnreadable,        // bytes that could not be read as a record at all
    eCheckKindCount
};

// Where a finding is: the Leader, a field, or the record as a whole.
constexpr int kCheckLeaderTag = -1;
constexpr int kCheckRecordTag = -2;

struct TCheckFinding
{
    ECheckKind meKind;
    ECheckSeverity meSeverity;
    int miTag;        // tag number, kCheckLeaderTag or kCheckRecordTag
    int miOccurrence; // of the tag, from 1; 0 for the Leader and the record
    int miPosition;   // first character position (indicator number for an
                      // indicator); -1 when the finding has none
    int miCount;      // positions covered from miPosition; 0 for none
    // The value found, as it stands (cut to 15 bytes); a length as digits.
    char macFound[16];
    // What was expected: a list's name, an edit box's characters, a fixed
    // value ("4500"); static text, never null.
    const char* mpacExpected;
    // For a length finding, the length expected; 0 otherwise.
    int miExpectedLength;
    // For a finding on a list's position (or an indicator), the list's rows;
    // null otherwise.
    const TCodeListEntry* mpxList;
    // The text of a repair or of why bytes are unreadable; empty otherwise.
    std::string mxText;
};

class ORVO_EDITORCORE_API TRecordChecker
{
public:
    TRecordChecker();
    ~TRecordChecker();
    TRecordChecker(const TRecordChecker&) = delete;
    TRecordChecker& operator=(const TRecordChecker&) = delete;

    // Checks rxRecord, replacing the findings. The record is not changed.
    void qvCheck(const TMarcRecord& rxRecord);
    // Checks one record of ISO 2709 bytes: read strictly, or, when it is
    // damaged, leniently with each repair a finding; the record length and base
    // address are compared with what was read. False (findings: the one
    // reason) when the bytes cannot be read as a record at all.
    bool qtCheckIso2709(const unsigned char* paxData, uint32_t dwSize);
    // The record that qtCheckIso2709 read (its 001 for a report).
    const TMarcRecord& qrxGetRecord() const;

    const std::vector<TCheckFinding>& qrxGetFindings() const { return mxFindings; }
    bool qtHasErrors() const;

    // The findings the lenient read's repairs make (appended to rxFindings).
    static void qvAddRepairs(const std::vector<TRepair>& rxRepairs, std::vector<TCheckFinding>& rxFindings);

private:
    std::vector<TCheckFinding> mxFindings;
    std::vector<TRepair> mxRepairs;
    // The record read by qtCheckIso2709, kept so its buffers are reused.
    std::unique_ptr<TMarcRecord> mpxRecord;
};

// The finding for bytes that are no record: what they are ("not readable as a
// record") and what the reader said.
ORVO_EDITORCORE_API void qvAddUnreadable(const char* pacWhat, const std::wstring& rxReaderMessage,
                                         std::vector<TCheckFinding>& rxFindings);
// Appends the checker's findings for rxRecord to rxFindings.
ORVO_EDITORCORE_API void qvCheckRecord(const TMarcRecord& rxRecord, std::vector<TCheckFinding>& rxFindings);

// The finding's place as a cataloguer reads it: "Leader/17", "008/22",
// "007 (2)/03-05", "856 (3) first indicator", "record".
ORVO_EDITORCORE_API std::string qxDescribePlace(const TCheckFinding& rxFinding);
// What is wrong, without the place: "\"x\" is no code of Target audience".
ORVO_EDITORCORE_API std::string qxDescribeProblem(const TCheckFinding& rxFinding);
// The same two texts appended to rxOut, for a report of many findings.
ORVO_EDITORCORE_API void qvAppendPlace(const TCheckFinding& rxFinding, std::string& rxOut);
ORVO_EDITORCORE_API void qvAppendProblem(const TCheckFinding& rxFinding, std::string& rxOut);
// The finding as one tab-separated row, appended to rxOut without a line end:
// severity, kind, place, tag ("LDR" for the Leader, empty for the record),
// occurrence, position (empty for none), count, found, expected, problem.
// Tabs and line ends inside a value become blanks.
ORVO_EDITORCORE_API void qvAppendFindingRow(const TCheckFinding& rxFinding, std::string& rxOut);
// The column names of that row, tab-separated.
extern ORVO_EDITORCORE_API const char kFindingRowHeader[];
// The kind's short name for tables and counts ("undefined-code", ...).
ORVO_EDITORCORE_API const char* qpacCheckKindName(ECheckKind eKind);
ORVO_EDITORCORE_API const char* qpacCheckSeverityName(ECheckSeverity eSeverity);
