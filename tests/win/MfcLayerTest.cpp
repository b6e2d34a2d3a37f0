// The MFC subset on its own: strings, the resource chain and message maps.
#include "framelib_resource.h"
#include "mfc/afxwin.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

TEST(MfcLayer, StringsLoadFromTheCurrentModuleThenThroughTheChain)
{
    // Both extension libraries of this program registered themselves.
    EXPECT_GE(AfxGetExtensionLibraryCount(), 2);
    HINSTANCE hHost = AfxGetResourceHandle();
    ASSERT_EQ(::GetModuleHandleW(nullptr), hHost);

    CString xText;
    EXPECT_TRUE(xText.LoadString(IDS_FORMAT_CLASSIFICATION));
    EXPECT_EQ(CString(L"Classification"), xText);
    EXPECT_EQ(::GetModuleHandleW(L"OrvoFieldEditors.dll"),
              AfxFindResourceHandle(MAKEINTRESOURCEW((IDS_FORMAT_CLASSIFICATION >> 4) + 1), RT_STRING));

    // The current module wins over the chain; switching it frees nothing.
    EXPECT_TRUE(xText.LoadString(IDS_FRAME_WHERE));
    EXPECT_EQ(CString(L"host"), xText);
    HINSTANCE hLibrary = ::GetModuleHandleW(L"OrvoFrameTestLib.dll");
    AfxSetResourceHandle(hLibrary);
    xText.LoadString(IDS_FRAME_WHERE);
    AfxSetResourceHandle(hHost);
    EXPECT_EQ(CString(L"library"), xText);
    EXPECT_EQ(hLibrary, ::GetModuleHandleW(L"OrvoFrameTestLib.dll"));

    // A missing string loads as empty.
    EXPECT_FALSE(xText.LoadString(65000));
    EXPECT_TRUE(xText.IsEmpty());
}

namespace
{
// A window class of our own with a two-level message map.
class TBaseWindow : public CWnd
{
public:
    std::vector<std::string> mxLog;

protected:
    void OnPaint()
    {
        mxLog.push_back("base paint");
        Default();
    }
    LRESULT OnPing(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }
    void OnMenuCommand() { mxLog.push_back("base command"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TBaseWindow, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_APP + 1, OnPing)
    ON_COMMAND(300, OnMenuCommand)
END_MESSAGE_MAP()

class TDerivedWindow : public TBaseWindow
{
protected:
    void OnRange(UINT nID) { mxLog.push_back("range " + std::to_string(nID)); }
    void OnDerivedCommand() { mxLog.push_back("derived command"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TDerivedWindow, TBaseWindow)
    ON_COMMAND(300, OnDerivedCommand)
    ON_CONTROL_RANGE(EN_CHANGE, 400, 410, OnRange)
END_MESSAGE_MAP()
}

TEST(MfcLayer, MessageMapsChainToTheBaseAndTheDerivedEntryWins)
{
    TDerivedWindow wnd;
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(wnd.SubclassWindow(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));

    EXPECT_EQ(42, ::SendMessageW(hWnd, WM_APP + 1, 21, 0));
    ::SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(300, 0), 0);
    HWND hFakeControl = hWnd;
    ::SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(405, EN_CHANGE), reinterpret_cast<LPARAM>(hFakeControl));
    // Outside the range, and the right ID with another code: nobody answers.
    ::SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(411, EN_CHANGE), reinterpret_cast<LPARAM>(hFakeControl));
    ::SendMessageW(hWnd, WM_COMMAND, MAKEWPARAM(405, EN_SETFOCUS), reinterpret_cast<LPARAM>(hFakeControl));
    ::ShowWindow(hWnd, SW_SHOW);
    ::InvalidateRect(hWnd, nullptr, TRUE);
    ::UpdateWindow(hWnd);

    EXPECT_EQ((std::vector<std::string>{"derived command", "range 405", "base paint"}), wnd.mxLog);

    // A typed wrapper that borrows the handle reaches the same map and, when
    // it goes, leaves the subclassing object bound.
    {
        const CStatic xBorrowed(hWnd);
        EXPECT_EQ(42, xBorrowed.SendMessage(WM_APP + 1, 21));
    }
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(42, ::SendMessageW(hWnd, WM_APP + 1, 21, 0));

    // Unsubclassing puts the static control's own procedure back.
    wnd.UnsubclassWindow();
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(0, ::SendMessageW(hWnd, WM_APP + 1, 21, 0));
    ::DestroyWindow(hWnd);
}

TEST(MfcLayer, DeviceContextPutsBackWhatWasSelected)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    HGDIOBJ hOriginalBrush = ::GetCurrentObject(dc, OBJ_BRUSH);
    {
        CBrush brush(RGB(1, 2, 3));
        dc.SelectObject(&brush);
        EXPECT_EQ(brush.GetSafeHandle(), ::GetCurrentObject(dc, OBJ_BRUSH));
        dc.RestoreSelections();
    }
    EXPECT_EQ(hOriginalBrush, ::GetCurrentObject(dc, OBJ_BRUSH));
}
