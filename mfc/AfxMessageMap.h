// Message maps with MFC's macro names.
//
// Each entry carries a small function that unpacks wParam and lParam and calls
// the handler with the signature written above its macro. The functions are
// lambdas made inside the class's GetThisMessageMap, so the compiler checks
// every handler's signature and handlers may be protected or private.
#pragma once

#include <windows.h>

class CWnd;

typedef LRESULT (*AFX_PMSGHANDLER)(CWnd* pWnd, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message; WM_COMMAND for command and control entries
    UINT nCode;    // notification code (WM_COMMAND and WM_NOTIFY entries only)
    UINT nID;      // first control or command ID (WM_COMMAND and WM_NOTIFY entries only)
    UINT nLastID;  // last ID of a range
    AFX_PMSGHANDLER pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* GetThisMessageMap();                                                                      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                                  \
    {                                                                                                                  \
        return GetThisMessageMap();                                                                                    \
    }                                                                                                                  \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                                    \
    {                                                                                                                  \
        typedef theClass ThisClass;                                                                                    \
        typedef baseClass TheBaseClass;                                                                                \
        static_assert(sizeof(ThisClass) > 0, "complete class");                                                        \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    {                                                                                                                  \
        0, 0, 0, 0, nullptr                                                                                            \
    }                                                                                                                  \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }

#define AFX_MSG_ENTRY(message, call)                                                                                   \
    {message, 0, 0, 0, [](CWnd* pWnd, WPARAM wParam, LPARAM lParam) -> LRESULT {                                       \
         ThisClass* pThis = static_cast<ThisClass*>(pWnd);                                                             \
         (void)pThis;                                                                                                  \
         (void)wParam;                                                                                                 \
         (void)lParam;                                                                                                 \
         call;                                                                                                         \
     }},

// void OnPaint()
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, pThis->OnPaint(); return 0)
// BOOL OnEraseBkgnd(CDC* pDC)  (a temporary CDC borrowing wParam's DC)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, return AfxCallOnEraseBkgnd(pThis, wParam))
// void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_CHAR()                                                                                                   \
    AFX_MSG_ENTRY(WM_CHAR, pThis->OnChar(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0)
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
#define ON_WM_KEYDOWN()                                                                                                \
    AFX_MSG_ENTRY(WM_KEYDOWN, pThis->OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0)
// void OnEnable(BOOL bEnable)
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, pThis->OnEnable(static_cast<BOOL>(wParam)); return 0)
// void OnClose()
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, pThis->OnClose(); return 0)
// void OnDestroy()
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, pThis->OnDestroy(); return 0)
// void OnSetFocus(CWnd* pOldWnd)
#define ON_WM_SETFOCUS()                                                                                               \
    AFX_MSG_ENTRY(WM_SETFOCUS, pThis->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return 0)
// void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_KILLFOCUS()                                                                                              \
    AFX_MSG_ENTRY(WM_KILLFOCUS, pThis->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return 0)
// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, return pThis->OnGetDlgCode())
// LRESULT memberFxn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, return pThis->memberFxn(wParam, lParam))

// Commands and control notifications arrive through WM_COMMAND; a command from
// a menu or an accelerator (no control window) has notification code 0.
#define AFX_CMD_ENTRY(code, id, lastId, call)                                                                          \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(lastId),                            \
     [](CWnd* pWnd, WPARAM wParam, LPARAM lParam) -> LRESULT {                                                         \
         ThisClass* pThis = static_cast<ThisClass*>(pWnd);                                                             \
         (void)wParam;                                                                                                 \
         (void)lParam;                                                                                                 \
         call;                                                                                                         \
         return 0;                                                                                                     \
     }},

// void memberFxn()
#define ON_COMMAND(id, memberFxn) AFX_CMD_ENTRY(0, id, id, pThis->memberFxn())
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) AFX_CMD_ENTRY(0, id, idLast, pThis->memberFxn(LOWORD(wParam)))
// void memberFxn()
#define ON_CONTROL(wNotifyCode, id, memberFxn) AFX_CMD_ENTRY(wNotifyCode, id, id, pThis->memberFxn())
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                           \
    AFX_CMD_ENTRY(wNotifyCode, id, idLast, pThis->memberFxn(LOWORD(wParam)))

// Notifications of common controls arrive through WM_NOTIFY, by code and control ID.
// void memberFxn(NMHDR* pNMHDR, LRESULT* pResult)  (*pResult starts at 0)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                          \
    {WM_NOTIFY, static_cast<UINT>(wNotifyCode), static_cast<UINT>(id), static_cast<UINT>(id),                          \
     [](CWnd* pWnd, WPARAM, LPARAM lParam) -> LRESULT {                                                                \
         LRESULT lResult = 0;                                                                                          \
         static_cast<ThisClass*>(pWnd)->memberFxn(reinterpret_cast<NMHDR*>(lParam), &lResult);                         \
         return lResult;                                                                                               \
     }},

// void memberFxn()
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
