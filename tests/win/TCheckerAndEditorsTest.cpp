// The record checker and the editors agree: in every layout, an editor's
// list shows no row exactly where the checker finds the code undefined (or a
// fill character its list lacks); and a finding opens its editor with the
// focus on the control of its position.
#include "core/TRecordChecker.h"
#include "support/TCheckCases.h"
#include "support/TEditorTestKit.h"

#include <gtest/gtest.h>

#include <set>

namespace
{
EFieldEditor qeEditorOf(int iTag)
{
    return iTag == 6 ? e006Editor : iTag == 7 ? e007Editor : e008Editor;
}

// The positions of the field where the checker finds a code its list lacks.
std::set<int> qxUndefinedCodes(const TMarcRecord& rxRecord, int iTag)
{
    std::vector<TCheckFinding> xFindings;
    qvCheckRecord(rxRecord, xFindings);
    std::set<int> xPositions;
    for (const TCheckFinding& rxFinding : xFindings)
        if (rxFinding.miTag == iTag &&
            (rxFinding.meKind == eCheckUndefinedCode || rxFinding.meKind == eCheckFillCharacter))
            xPositions.insert(rxFinding.miPosition);
    return xPositions;
}

// The field of the case with each list's first or last row, or no code of it.
std::string qxFieldWith(const TCheckCase& rxCase, int iVariant)
{
    const TFieldLayout& rxLayout = *rxCase.layoutCase.layout;
    std::string xField = qxCleanField(rxLayout, rxCase.layoutCase.fieldLength, rxCase.first);
    int n = 0;
    for (const TLayoutList* pxList = rxLayout.lists; pxList->listId != 0; ++pxList, ++n)
    {
        int iRows = 0;
        std::size_t nWidth = 1;
        for (; pxList->codeList[iRows].labelId != 0; ++iRows)
            nWidth = std::max(nWidth, std::strlen(pxList->codeList[iRows].code));
        const bool tUndefined = iVariant == 2 || (iVariant == 1 && n % 2 == 0);
        const std::string xCode = tUndefined      ? std::string(nWidth, kNoCode)
                                  : iVariant == 0 ? std::string(pxList->codeList[0].code)
                                                  : std::string(pxList->codeList[iRows - 1].code);
        xField.replace(static_cast<std::size_t>(pxList->position), xCode.size(), xCode);
    }
    return xField;
}
}

TEST(CheckerAndEditors, AListShowsNoRowExactlyWhereTheCheckerCallsTheCodeUndefined)
{
    for (const TCheckCase& rxCase : qxAllCheckCases())
        for (int iVariant = 0; iVariant < 3; ++iVariant)
        {
            const TMarcRecord xRecord = qxRecordWith(rxCase, qxFieldWith(rxCase, iVariant));
            const std::set<int> xUndefined = qxUndefinedCodes(xRecord, rxCase.tag);
            std::set<int> xNoRow;
            qeRun(qeEditorOf(rxCase.tag), xRecord, rxCase.tag == 8 ? 0 : 1, {[&](HWND hDlg) {
                      for (const TLayoutList* pxList = rxCase.layoutCase.layout->lists; pxList->listId != 0; ++pxList)
                          if (TDialogDriver::qiGetCurSel(qhItem(hDlg, pxList->listId)) < 0)
                              xNoRow.insert(pxList->position);
                  }});
            EXPECT_EQ(xUndefined, xNoRow) << rxCase.layoutCase.name << ", variant " << iVariant;
            EXPECT_TRUE(iVariant != 2 || !xUndefined.empty()) << rxCase.layoutCase.name;
        }
}

TEST(CheckerAndEditors, AFindingsPositionGetsTheFocusWhenItsEditorOpens)
{
    for (const TCheckCase& rxCase : qxAllCheckCases())
    {
        const TFieldLayout& rxLayout = *rxCase.layoutCase.layout;
        const TMarcRecord xRecord = qxRecordWith(rxCase, qxFieldWith(rxCase, 2));
        // The last list and the last edit box of the layout.
        std::vector<std::pair<int, int>> xTargets; // position, control
        for (const TLayoutList* pxList = rxLayout.lists; pxList->listId != 0; ++pxList)
            if (pxList[1].listId == 0)
                xTargets.emplace_back(pxList->position, pxList->listId);
        for (const TLayoutEdit* pxEdit = rxLayout.edits; pxEdit->editId != 0; ++pxEdit)
            if (pxEdit[1].editId == 0)
                xTargets.emplace_back(pxEdit->position, pxEdit->editId);
        for (const auto& [iPosition, iControl] : xTargets)
        {
            int iFocus = 0;
            qxDrive({[&](HWND) { iFocus = qiFocusId(); }}, [&] {
                return TFieldEditorManager::qeDisplayAt(qeEditorOf(rxCase.tag), xRecord, rxCase.tag == 8 ? 0 : 1,
                                                        iPosition, nullptr);
            });
            EXPECT_EQ(iFocus, iControl) << rxCase.layoutCase.name << " position " << iPosition;
        }
    }
}
