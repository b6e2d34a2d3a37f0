// The labels of the 856 editor's five code lists as OrvoFieldEditors.dll
// holds them.
#include "editors/856/T856CodeLists.h"
#include "support/TLibraryResources.h"

#include <gtest/gtest.h>

TEST(T856StringTable, EveryCodeLabelExistsAndBeginsWithItsCode)
{
    ASSERT_NE(nullptr, qhLibrary());
    for (const TCodeListEntry* pxTable : {k856FirstIndicators_static, k856SecondIndicators_static,
                                          k856NonRepeatableCodes_static, k856RepeatableCodes_static})
    {
        int iRows = 0;
        for (const TCodeListEntry* row = pxTable; row->labelId != 0; ++row, ++iRows)
            EXPECT_EQ("", qxCodeLabelProblem(*row));
        EXPECT_GT(iRows, 4);
    }
    // The access methods are named, not coded.
    const std::map<uint32_t, std::wstring> kMethodLabels = {
        {24078, L"Unknown value"},
        {24037, L"Gopher"},
        {24038, L"USENET news"},
        {24039, L"USENET new using NNTP access"},
        {24040, L"Wide Area Information Servers"},
        {24041, L"Host specific file names"},
        {24042, L"Prospero Directory Service"}};
    int iMethods = 0;
    for (const TCodeListEntry* row = k856AccessMethods_static; row->labelId != 0; ++row, ++iMethods)
    {
        const auto expected = kMethodLabels.find(row->labelId);
        ASSERT_NE(kMethodLabels.end(), expected) << "string " << row->labelId;
        EXPECT_EQ(expected->second, qxString(row->labelId));
    }
    EXPECT_EQ(7, iMethods);
}
