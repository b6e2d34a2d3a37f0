// THostCheck: the host's Check command. It checks the selected record or every
// record of the open file with the record checker (the very code lists the
// editors show) and keeps the findings; each finding knows which editor, field
// and position it leads to, so that a double-click opens that editor with the
// focus on the control of that position. Window-free.
#pragma once

#include "core/TRecordChecker.h"
#include "host/THostSession.h"

#include <cstddef>
#include <string>
#include <vector>

struct THostFinding
{
    std::size_t mnRecord; // index of the record in the file
    TCheckFinding mxFinding;
};

// Where a finding leads: the editor that edits its place, the field to select
// (index in the record; -1 for the Leader or none) and the position whose
// control gets the focus (-1: the editor's first control).
struct THostFindingTarget
{
    bool mtHasEditor = false;
    EFieldEditor meEditor = eLeaderEditor;
    int miField = -1;
    int miFocusPosition = -1;
};

class THostCheck
{
public:
    // Checks record nRecord of the session's file / every record of it; the
    // findings replace the last ones. An unreadable record is one finding, a
    // repaired one has a finding per repair.
    void qvCheckRecord(const THostSession& rxSession, std::size_t nRecord);
    void qvCheckFile(const THostSession& rxSession);
    const std::vector<THostFinding>& qrxGetFindings() const { return mxFindings; }
    void qvClear() { mxFindings.clear(); }

    // "3 (001 ocm123)  008/22  error: "~" is no code of Target audience".
    std::wstring qxFindingLine(const THostSession& rxSession, std::size_t nFinding) const;
    // The summary line the host shows above the findings.
    std::wstring qxSummaryLine(std::size_t nRecordsChecked) const;

    static THostFindingTarget qxTargetOf(const TMarcRecord& rxRecord, const TCheckFinding& rxFinding);

private:
    void qvAddRecord(const THostSession& rxSession, std::size_t nRecord);

    std::vector<THostFinding> mxFindings;
    std::vector<TCheckFinding> mxScratch;
};
