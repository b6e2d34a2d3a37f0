#include "host/THostCheck.h"

#include <algorithm>

namespace
{
// The editor of each tag the checker looks at; the Leader is kCheckLeaderTag.
struct TTagEditor
{
    int iTag;
    EFieldEditor eEditor;
};

const TTagEditor kTagEditors[] = {
    {kCheckLeaderTag, eLeaderEditor}, {6, e006Editor}, {7, e007Editor}, {8, e008Editor}, {856, e856Editor},
};

std::wstring qxWidened(const std::string& rxText)
{
    std::wstring xWide;
    for (const char c : rxText)
        xWide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return xWide;
}

// The field index of occurrence iOccurrence (from 1) of the tag; -1 when absent.
int qiFieldIndexOf(const TMarcRecord& rxRecord, int iTag, int iOccurrence)
{
    int iSeen = 0;
    for (uint32_t n = 0; n < rxRecord.qdwGetFieldCount(); ++n)
        if (rxRecord.qrxGetField(n).qiGetTagNumber() == iTag && ++iSeen == iOccurrence)
            return static_cast<int>(n);
    return -1;
}
}

void THostCheck::qvAddRecord(const THostSession& rxSession, std::size_t nRecord)
{
    const THostEntry& rxEntry = rxSession.qrxGetEntry(nRecord);
    mxScratch.clear();
    if (!rxEntry.mtReadable)
        qvAddUnreadable("not readable as a record", rxEntry.mxProblem, mxScratch);
    else
    {
        TRecordChecker::qvAddRepairs(rxEntry.mxRepairs, mxScratch);
        ::qvCheckRecord(rxEntry.mxRecord, mxScratch);
    }
    for (TCheckFinding& rxFinding : mxScratch)
        mxFindings.push_back({nRecord, std::move(rxFinding)});
}

void THostCheck::qvCheckRecord(const THostSession& rxSession, std::size_t nRecord)
{
    mxFindings.clear();
    if (nRecord < rxSession.qnGetRecordCount())
        qvAddRecord(rxSession, nRecord);
}

void THostCheck::qvCheckFile(const THostSession& rxSession)
{
    mxFindings.clear();
    for (std::size_t n = 0; n < rxSession.qnGetRecordCount(); ++n)
        qvAddRecord(rxSession, n);
}

std::wstring THostCheck::qxFindingLine(const THostSession& rxSession, std::size_t nFinding) const
{
    const THostFinding& rxHostFinding = mxFindings.at(nFinding);
    const TCheckFinding& rxFinding = rxHostFinding.mxFinding;
    std::wstring xLine = std::to_wstring(rxHostFinding.mnRecord + 1);
    const THostEntry& rxEntry = rxSession.qrxGetEntry(rxHostFinding.mnRecord);
    TMarcTag xControlNumber;
    if (rxEntry.mtReadable && rxEntry.mxRecord.qtFindTag(1, xControlNumber, 1))
        xLine +=
            L" (001 " + qxWidened(std::string(xControlNumber.qpacGetData(), xControlNumber.qdwGetDataSize())) + L")";
    return xLine + L"\t" + qxWidened(qxDescribePlace(rxFinding)) + L"\t" +
           qxWidened(qpacCheckSeverityName(rxFinding.meSeverity)) + L": " + qxWidened(qxDescribeProblem(rxFinding));
}

std::wstring THostCheck::qxSummaryLine(std::size_t nRecordsChecked) const
{
    std::size_t nErrors = 0;
    for (const THostFinding& rxFinding : mxFindings)
        nErrors += rxFinding.mxFinding.meSeverity == eCheckError ? 1 : 0;
    return std::to_wstring(nRecordsChecked) + (nRecordsChecked == 1 ? L" record checked: " : L" records checked: ") +
           std::to_wstring(nErrors) + L" error(s), " + std::to_wstring(mxFindings.size() - nErrors) +
           L" warning(s). Double-click a finding, or press Enter on it, to open its editor.";
}

THostFindingTarget THostCheck::qxTargetOf(const TMarcRecord& rxRecord, const TCheckFinding& rxFinding)
{
    THostFindingTarget xTarget;
    // A missing 008 is added by the 008 editor; the other findings on the
    // record as a whole (repairs, a second 008) have no editor.
    const int iTag = rxFinding.meKind == eCheckMissing008 ? 8 : rxFinding.miTag;
    if (rxFinding.meKind == eCheckRepeated008 || rxFinding.meKind == eCheckRepaired ||
        rxFinding.meKind == eCheckUnreadable)
    {
        xTarget.miField = rxFinding.miTag > 0 ? qiFieldIndexOf(rxRecord, rxFinding.miTag, rxFinding.miOccurrence) : -1;
        return xTarget;
    }
    for (const TTagEditor& rxEditor : kTagEditors)
        if (rxEditor.iTag == iTag)
        {
            xTarget.mtHasEditor = true;
            xTarget.meEditor = rxEditor.eEditor;
        }
    if (iTag > 0)
        xTarget.miField = qiFieldIndexOf(rxRecord, iTag, std::max(rxFinding.miOccurrence, 1));
    // The 856 editor's position is the indicator (1 or 2); $2 is edited with
    // the first indicator's access method.
    xTarget.miFocusPosition = rxFinding.miPosition;
    return xTarget;
}
