// Every layout of the fixed-length field editors as a record the record
// checker and the editors both see: a Leader that chooses the layout, and a
// field holding a code of every list and an allowed character in every box.
#pragma once

#include "core/TLeaderCodeLists.h"
#include "core/TMaterialType.h"
#include "support/TLayoutRules.h"
#include "support/TTestRecords.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

// A character no list of any layout has as (the start of) a code.
constexpr char kNoCode = '~';

// A Leader of the format with every shown list on its first row's value; for
// a bibliographic record 06 and 07 as given (its material type).
inline std::string qxCleanLeader(EMarcType eType, char c06, char c07 = '\0')
{
    TMarcLeader xLeader;
    xLeader.qvSetMarcType(eType);
    for (int iRow = 0; iRow < TLeaderCodeLists::kRowCount; ++iRow)
    {
        const TLeaderList* pxList = TLeaderCodeLists::qpxGetList(iRow, eType);
        if (pxList->entries != nullptr && pxList->entries[0].labelId != 0)
            TLeaderCodeLists::qtSetValue(xLeader, pxList->accessor, pxList->entries[0].value);
    }
    std::string xData = xLeader.qpacGetData();
    xData[6] = c06;
    if (c07 != '\0')
        xData[7] = c07;
    return xData;
}

// Leader 06 and 07 that give a bibliographic record the material type.
inline std::pair<char, char> qx06And07(EMaterialType eMaterial)
{
    for (char c06 = 'a'; c06 <= 'z'; ++c06)
        for (const char c07 : std::string("acdimsb"))
        {
            TMarcLeader xLeader;
            xLeader.qvSetAt(6, c06);
            xLeader.qvSetAt(7, c07);
            if (qeGetMaterialTypeOf(xLeader) == eMaterial)
                return {c06, c07};
        }
    ADD_FAILURE() << "no Leader for material " << eMaterial;
    return {'a', 'm'};
}

// A field the layout calls clean: the first row of every list, the first
// character of every edit box, blanks elsewhere; cFirst at 00 (form, category).
inline std::string qxCleanField(const TFieldLayout& rxLayout, int iLength, char cFirst)
{
    std::string xField(static_cast<std::size_t>(iLength), ' ');
    for (const TLayoutEdit* pxEdit = rxLayout.edits; pxEdit->editId != 0; ++pxEdit)
        for (int i = 0; i < pxEdit->length; ++i)
            xField[static_cast<std::size_t>(pxEdit->position + i)] =
                pxEdit->allowedChars != nullptr ? pxEdit->allowedChars[0] : '0';
    for (const TLayoutList* pxList = rxLayout.lists; pxList->listId != 0; ++pxList)
        xField.replace(static_cast<std::size_t>(pxList->position), std::strlen(pxList->codeList[0].code),
                       pxList->codeList[0].code);
    if (cFirst != '\0')
        xField[0] = cFirst;
    return xField;
}

// One layout case as a record: its Leader and, for 006 and 007, a clean 008
// beside the field.
struct TCheckCase
{
    TLayoutCase layoutCase;
    std::string leader;
    int tag;
    char first;
};

inline std::vector<TCheckCase> qxAllCheckCases()
{
    std::vector<TCheckCase> xCases;
    const std::pair<char, char> xBooks = qx06And07(eBooks);
    for (const TLayoutCase& rxCase : qxAllLayoutCases())
    {
        TCheckCase xCase{rxCase, qxCleanLeader(eBibliographic, xBooks.first, xBooks.second), 0, '\0'};
        if (rxCase.name.rfind("006", 0) == 0)
        {
            xCase.tag = 6;
            for (const EMaterialType* pe = qpe006Groups(); *pe != eUnknownMaterial; ++pe)
                if (qpxGet006Layout(*pe) == rxCase.layout)
                    for (char c = 'a'; c <= 'z' && xCase.first == '\0'; ++c)
                        if (qe006FormGroup(c) == *pe)
                            xCase.first = c;
        }
        else if (rxCase.name.rfind("007", 0) == 0)
        {
            xCase.tag = 7;
            for (const char* p = qpac007CategoryCodes(); *p != '\0'; ++p)
                if (qrx007Category(*p).layout == rxCase.layout)
                    xCase.first = *p;
        }
        else
        {
            xCase.tag = 8;
            const std::pair<EMarcType, char> kFormats[] = {
                {eAuthority, 'z'}, {eHoldings, 'x'}, {eCommunity, 'q'}, {eClassification, 'w'}};
            for (const auto& [eType, c06] : kFormats)
                if (qpxGetOtherFormat008Layout(eType) == rxCase.layout)
                    xCase.leader = qxCleanLeader(eType, c06);
            for (int m = eBooks; m <= eMixedMaterials; ++m)
                if (qpxGetBibliographic008Layout(static_cast<EMaterialType>(m)) == rxCase.layout)
                {
                    const std::pair<char, char> x = qx06And07(static_cast<EMaterialType>(m));
                    xCase.leader = qxCleanLeader(eBibliographic, x.first, x.second);
                }
        }
        xCases.push_back(xCase);
    }
    return xCases;
}

inline TMarcRecord qxRecordWith(const TCheckCase& rxCase, const std::string& rxField)
{
    TMarcRecord xRecord;
    xRecord.qvSetLeader(rxCase.leader.c_str());
    if (rxCase.tag != 8)
    {
        const TFieldLayout* pxBooks = qpxGetBibliographic008Layout(eBooks);
        xRecord.qvOrderedInsert(qxTag(8, qxCleanField(*pxBooks, 40, '\0')));
    }
    xRecord.qvOrderedInsert(qxTag(rxCase.tag, rxField));
    return xRecord;
}
