#pragma once

#include <QString>

// The open dialog of a window: a title, a start file name and a filter in the form
// "description|patterns|description|patterns" (patterns separated by ";"). Production shows Qt's
// own file dialog, its dates in the program's language; tests install a scripted one.
class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    // The chosen file's full path, or empty text when the dialog was cancelled.
    virtual QString openFile(const QString& title, const QString& fileName, const QString& filter) = 0;
};

// Shows the open dialog modally (a nested event loop): the chosen path, or empty text on cancel.
QString ShowOpenDialog(const QString& title, const QString& fileName, const QString& filter);

// The filter as the desktop's dialog reads it: "로고파일|*.png;*.jpg; " gives "로고파일 (*.png *.jpg)".
QString DialogFilter(const QString& filter);

// The service in use. SetFileDialogService(nullptr) goes back to the real dialog.
void SetFileDialogService(FileDialogService* service);
