// T856Field: one 856 field (Electronic Location and Access) split into its
// indicators and an ordered list of subfields, edited by code and occurrence,
// and joined back into the field. Needs no window system: the 856 editor's
// dialog drives it, and it is tested and fuzzed on its own.
//
// The list starts at a head node that holds no subfield. A subfield whose data
// is empty counts as absent: it is neither shown nor written back, but its node
// keeps its place until it is removed.
//
// What the cataloguer does not change comes back byte for byte: the bytes
// before the first delimiter (normally the two indicators) are kept as they
// stand, capitals, bytes above 127 and a missing indicator included; only
// empty subfields are dropped on rebuilding. Subfields hold bytes in the
// record's character set; text is read and written through that set
// (recordlib/TCharacterSet.h), so a subfield that is not written again keeps
// its bytes, whatever they are.
#pragma once

#include "core/OrvoEditorCore.h"
#include "recordlib/TCharacterSet.h"
#include "recordlib/TMarcTag.h"
#include "recordlib/TXBuffer.h"

#include <string>

enum ESubfieldKind : int
{
    eRepeatableSubfield = 0,
    eNonRepeatableSubfield = 1,
    eOtherSubfield = 2
};

struct ORVO_EDITORCORE_API TSubfieldNode
{
    char mcCode = '\0';
    TXBuffer<unsigned char> mxData;
    TSubfieldNode* mpxNext = nullptr;
};

class ORVO_EDITORCORE_API T856Field
{
public:
    explicit T856Field(const TMarcTag& rxTag);
    ~T856Field();
    T856Field(const T856Field&) = delete;
    T856Field& operator=(const T856Field&) = delete;

    static ESubfieldKind qeGetSubfieldKind(char cCode);

    // The indicator (1 or 2) as the field holds it; blank when it has none.
    char qcGetIndicator(int iIndicator) const;
    // Writes indicator 1 or 2; nothing changes when it already holds cIndicator.
    void qvSetIndicator(int iIndicator, char cIndicator);

    // The first subfield, none when the list is empty.
    TSubfieldNode* qpxFirstSubfield() const;
    // A new node for cCode after the last one; a new $u starts as "http://".
    TSubfieldNode* qpxAppendSubfield(char cCode);
    // Forwards (tBackwards false) from the node after pxStart, or from the
    // first subfield when pxStart is none: a non-repeatable code's first node,
    // empty or not; for any other code the first node with data, else the last
    // empty one. Backwards from pxStart (none finds nothing): the last node
    // with the code and with data before it.
    TSubfieldNode* qpxFindSubfield(char cCode, const TSubfieldNode* pxStart, bool tBackwards) const;
    // Unlinks and frees pxNode; false for the head or a node not in the list.
    bool qtRemoveSubfield(TSubfieldNode* pxNode);
    // Sets a node's data from bytes; a delimiter cannot stand inside a
    // subfield, so delimiter (and NUL) bytes are left out.
    static void qvSetSubfieldData(TSubfieldNode& rxNode, const std::string& rxBytes);
    // A node's text in rxSet as an editor shows it to be edited (composed).
    static std::wstring qxGetSubfieldText(const TSubfieldNode& rxNode, const TCharacterSet& rxSet);
    // Writes xText into the node in rxSet (as qvSetSubfieldData) and returns
    // true; or returns false, the node unchanged, with rnFailedAt the index in
    // xText of the first character rxSet cannot hold.
    static bool qtSetSubfieldText(TSubfieldNode& rxNode, std::wstring_view xText, const TCharacterSet& rxSet,
                                  std::size_t& rnFailedAt);

    // Joins the indicators and the subfields with data into the tag's data.
    void qvRebuildField();
    const TMarcTag& qrxGetTag() const { return mxTag; }

    // The field as the display shows it: the indicators (one character a byte),
    // two blanks, then each subfield with data as delimiter (U+001F), code and
    // text in rxSet, with what could not be read shown as TCharacterSet's
    // visible stand-ins. When pxLocate is given, *piOffset becomes where its
    // delimiter would stand and *piLength how many characters it takes with
    // delimiter and code (0 when it has no data).
    std::wstring qxGetDisplayText(const TCharacterSet& rxSet, const TSubfieldNode* pxLocate, int* piOffset,
                                  int* piLength) const;

private:
    void qvParseField();
    void qvFreeSubfields();

    TMarcTag mxTag;
    // The bytes before the first delimiter: the indicators and whatever else a
    // damaged field holds there.
    std::string mxLead;
    bool mtLeadChanged = false;
    TSubfieldNode* mpxSubfields = nullptr;
    TSubfieldNode* mpxLast = nullptr;
};
