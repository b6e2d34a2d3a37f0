// What the cataloguing host asks of the person at the screen. The main window
// answers with message boxes and the common file dialogs; tests answer instead.
#pragma once

#include <string>

enum EHostAnswer : int
{
    eAnswerYes = 0,
    eAnswerNo = 1,
    eAnswerCancel = 2
};

class THostPrompt
{
public:
    virtual ~THostPrompt() = default;
    // tError: a failure (an error icon) rather than information. rxText is a
    // sentence about the cataloguer's file and record; rxDetail, when not empty,
    // the technical message behind it (the library's), shown only when asked for.
    virtual void qvShowMessage(const std::wstring& rxText, bool tError,
                               const std::wstring& rxDetail = std::wstring()) = 0;
    // Yes or No; with tCancel also Cancel.
    virtual EHostAnswer qeAsk(const std::wstring& rxQuestion, bool tCancel) = 0;
    // False when the person gave no file.
    virtual bool qtChooseFileToOpen(std::wstring& rxPath) = 0;
    virtual bool qtChooseFileToSave(std::wstring& rxPath) = 0;
};
