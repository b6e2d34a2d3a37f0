// The labels of the 856 editor's five code lists as OrvoFieldEditors.dll
// holds them.
#include "editors/856/T856CodeLists.h"
#include "support/TStringTable.h"

#include <gtest/gtest.h>

TEST(T856StringTable, EveryCodeLabelExistsAndBeginsWithItsCode)
{
    ASSERT_NE(nullptr, qhFieldEditorsLibrary());
    for (const TCodeListEntry* pxTable : {k856FirstIndicators_static, k856SecondIndicators_static,
                                          k856NonRepeatableCodes_static, k856RepeatableCodes_static})
        EXPECT_GT(qiCheckCodeLabels(pxTable, {}), 4);
    // The access methods are named, not coded.
    const std::map<uint32_t, std::wstring> kMethodLabels = {
        {24078, L"Unknown value"},
        {24037, L"Gopher"},
        {24038, L"USENET news"},
        {24039, L"USENET new using NNTP access"},
        {24040, L"Wide Area Information Servers"},
        {24041, L"Host specific file names"},
        {24042, L"Prospero Directory Service"}};
    EXPECT_EQ(qiCheckCodeLabels(k856AccessMethods_static, kMethodLabels), 7);
}
