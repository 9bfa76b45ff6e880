#pragma once

#include <QString>

// Message boxes and questions. The style is the sum of one button set and one icon, as the
// windows write it (vbYesNo + vbQuestion); the result names the button pressed.
namespace MsgStyle {
enum : int {
    OkOnly = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
};
}

namespace MsgResult {
enum : int { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
}

class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    virtual int show(const QString& text, const QString& title, int style) = 0;
};

// Shows a modal box (a nested event loop) and returns the button pressed. An empty title shows
// the program's name.
int MsgBox(const QString& text, int style = MsgStyle::OkOnly, const QString& title = QString());

// The service in use. SetMessageBoxService(nullptr) goes back to real boxes.
void SetMessageBoxService(MessageBoxService* service);
