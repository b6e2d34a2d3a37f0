// Where the editors' dialogs open: their templates stand at (0, 0), so each is
// centred over its owner, or over the screen's work area when it has none, and
// kept on the screen; a host's message box is centred over its owner.
#include "support/TEditorTestKit.h"
#include "support/TTestRecords.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace
{
RECT qxWorkArea()
{
    RECT r = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

POINT qxMiddle(const RECT& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

RECT s_xBox = {};

void CALLBACK qvReadAndCloseTheBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND hBox = ::FindWindowW(L"#32770", L"Placement");
    if (hBox != nullptr)
    {
        ::GetWindowRect(hBox, &s_xBox);
        ::PostMessageW(hBox, WM_COMMAND, IDOK, 0);
    }
}

// A visible top-level window to own the dialogs, at rxPlace.
class TOwnerWindow : public CWnd
{
public:
    explicit TOwnerWindow(const RECT& rxPlace)
    {
        CreateEx(0, AfxRegisterWndClass(0), L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rxPlace.left, rxPlace.top,
                 rxPlace.right - rxPlace.left, rxPlace.bottom - rxPlace.top, nullptr, nullptr, nullptr);
    }
    ~TOwnerWindow() override { DestroyWindow(); }
};

// The middle of each editor's dialog as it opens, owned by pxOwner.
std::vector<POINT> qxMiddlesOfEditors(CWnd* pxOwner)
{
    const TMarcRecord record = qxRecordWith('a', 6, {"c           |||| "}, "850101s1999    xx            000 0 eng d");
    std::vector<POINT> xMiddles;
    for (EFieldEditor eEditor : {eLeaderEditor, e006Editor, e007Editor, e008Editor, e856Editor})
    {
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) { xMiddles.push_back(qxMiddle(qxRect(hDlg))); });
        TFieldEditorManager::qeDisplay(eEditor, record, 0, pxOwner);
        EXPECT_TRUE(driver.qtFinished()) << eEditor;
    }
    return xMiddles;
}
}

TEST(DialogPlacement, EachEditorOpensCentredOverItsOwnerAndOnTheScreen)
{
    const RECT xWork = qxWorkArea();
    const POINT xMiddle = qxMiddle(xWork);
    {
        // An owner in the middle of the screen, a little off its centre.
        TOwnerWindow owner({xMiddle.x - 300, xMiddle.y - 180, xMiddle.x + 340, xMiddle.y + 200});
        ASSERT_NE(nullptr, owner.m_hWnd);
        RECT xOwner = {};
        owner.GetWindowRect(&xOwner);
        for (const POINT& xDialog : qxMiddlesOfEditors(&owner))
        {
            EXPECT_LE(std::abs(xDialog.x - qxMiddle(xOwner).x), 1);
            EXPECT_LE(std::abs(xDialog.y - qxMiddle(xOwner).y), 1);
        }
    }
    {
        // An owner at the screen's top-left corner: the dialogs stay on the screen.
        TOwnerWindow owner({xWork.left, xWork.top, xWork.left + 120, xWork.top + 80});
        const TMarcRecord record = qxRecordWith('a', 6, {"c           |||| "});
        TDialogDriver driver;
        driver.qrxThen([&](HWND hDlg) {
            const RECT r = qxRect(hDlg);
            EXPECT_EQ(xWork.left, r.left);
            EXPECT_EQ(xWork.top, r.top);
        });
        TFieldEditorManager::qeDisplay(e006Editor, record, 1, &owner);
        EXPECT_TRUE(driver.qtFinished());
    }
}

TEST(DialogPlacement, WithoutAnOwnerANew006IsCentredOnTheWorkAreaAndGrowsAroundItsMiddle)
{
    ASSERT_EQ(nullptr, ::GetActiveWindow());
    const RECT xWork = qxWorkArea();
    RECT xUnknown = {}, xBooks = {};
    qeRun(e006Editor, qxRecordWith('a', 6, {"c           |||| "}, "850101s1999    xx            000 0 eng d"), 0,
          {[&](HWND hDlg) {
               xUnknown = qxRect(hDlg);
               qvChooseCode(hDlg, 4030, L"a");
           },
           [&](HWND hDlg) { xBooks = qxRect(hDlg); }});
    EXPECT_LE(std::abs(qxMiddle(xUnknown).x - qxMiddle(xWork).x), 1);
    EXPECT_LE(std::abs(qxMiddle(xUnknown).y - qxMiddle(xWork).y), 1);
    const int iAdded = (xBooks.bottom - xBooks.top) - (xUnknown.bottom - xUnknown.top);
    ASSERT_GT(iAdded, 0);
    EXPECT_EQ(xUnknown.top - iAdded / 2, xBooks.top);
}

TEST(DialogPlacement, AMessageBoxIsCentredOverItsOwner)
{
    const RECT xWork = qxWorkArea();
    TOwnerWindow owner({xWork.left + 20, xWork.top + 20, xWork.left + 620, xWork.top + 420});
    RECT xOwner = {};
    owner.GetWindowRect(&xOwner);
    // The box runs its own modal loop: a timer of this thread reads and closes it.
    const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 50, &qvReadAndCloseTheBox);
    EXPECT_EQ(IDOK, owner.MessageBox(L"Where am I?", L"Placement", MB_OK));
    ::KillTimer(nullptr, idTimer);
    const RECT xBox = s_xBox;
    EXPECT_LE(std::abs(qxMiddle(xBox).x - qxMiddle(xOwner).x), 1);
    EXPECT_LE(std::abs(qxMiddle(xBox).y - qxMiddle(xOwner).y), 1);
}
