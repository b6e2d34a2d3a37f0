// The data of the Leader editor: its eight rows, the list each record format
// shows in each row (labels and the enum values they write), the positions a
// format lets the cataloguer change, the labels it renames, its caption, and
// the TMarcLeader getter and setter behind each list. Needs no window system.
#pragma once

#include "recordlib/MarcEnums.h"

#include <cstdint>

#include "core/OrvoEditorCore.h"

class TMarcLeader;

// One list entry: the string ID of its label ("a - Language material") and the
// enum value the getter returns for its code and the setter takes to write it.
// Its place in the list is its index. Tables end with a row whose labelId is 0.
struct TLeaderListEntry
{
    uint32_t labelId;
    int value;
};

// The getter and setter pair of TMarcLeader that a list reads and writes.
enum ELeaderAccessor : int
{
    eNoAccessor = 0,
    eStatusAccessor,
    eTypeOfRecordAccessor,
    eBibLevelAccessor,
    eKindOfDataAccessor,
    eControlTypeAccessor,
    eCodingSchemeAccessor,
    eEncodingLevelAccessor,
    eCatalogingFormAccessor,
    ePunctuationPolicyAccessor,
    eItemInfoInRecordAccessor,
    eLinkRequirementAccessor
};

// A row of the dialog, top to bottom.
struct TLeaderRow
{
    int position;
    int labelId;
    int listId;
};

// What one row's list holds for one record format.
struct TLeaderList
{
    // Null: the list is hidden and its row removed. A table whose first row is
    // the end row: the list stays, empty.
    const TLeaderListEntry* entries;
    ELeaderAccessor accessor;
    // With no entry matching the leader, select the first one anyway.
    bool defaultFirst;
};

// Leader positions first to last, inclusive. Tables end with first -1.
struct TLeaderRange
{
    int first;
    int last;
};

// A row label whose template text a format replaces. Tables end with labelId 0.
struct TLeaderLabelText
{
    int labelId;
    uint32_t stringId;
};

class ORVO_EDITORCORE_API TLeaderCodeLists
{
public:
    TLeaderCodeLists() = delete;

    static constexpr int kRowCount = 8;

    // Row 0 to kRowCount - 1; null outside.
    static const TLeaderRow* qpxGetRow(int iRow);
    // The row of a list control; -1 for any other ID.
    static int qiGetRowOfList(int iListId);
    // The list of a row for a format. Never null: a row out of range, or a
    // format the editor does not know, gives a hidden list (record status
    // excepted, which stays visible and empty for such a format).
    static const TLeaderList* qpxGetList(int iRow, EMarcType eMarcType);

    static const TLeaderRange* qpxGetEditableRanges(EMarcType eMarcType);
    static const TLeaderLabelText* qpxGetFormatLabels(EMarcType eMarcType);
    // The format name that follows "Leader Editor - " in the caption; 0 when
    // the caption is "Leader Editor" alone.
    static uint32_t qdwGetFormatNameId(EMarcType eMarcType);

    // The name of the lists an accessor reads ("Encoding level"); null for eNoAccessor.
    static const char* qpacGetListName(ELeaderAccessor eAccessor);
    // The entry of pxEntries whose value is iValue (the last, should two have
    // it): the row the list shows for the Leader's code; -1 when none has it
    // (the code is undefined there). The Leader editor and the record checker
    // both decide by it.
    static int qiFindValue(const TLeaderListEntry* pxEntries, int iValue);
    // The getter's value as an int; -1 (every enum's Undefined) for eNoAccessor.
    static int qiGetValue(const TMarcLeader& rxLeader, ELeaderAccessor eAccessor);
    // Writes iValue through the setter; false, writing nothing, for
    // eNoAccessor. The setters throw TException for a value without a code.
    static bool qtSetValue(TMarcLeader& rxLeader, ELeaderAccessor eAccessor, int iValue);
};
