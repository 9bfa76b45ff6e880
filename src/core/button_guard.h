#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// The guard at the top of every button handler:
//   "<array>_Click Start <array>(" index label ").Enabled := " True|False   to the main log;
// a disabled button stops there (passed() is false); otherwise the button is disabled and
// "<array>_Click NextStep" is logged. Leaving the scope enables the button again (also after an
// early return), unless keepDisabled() was called or the button is gone.
class ButtonGuard
{
public:
    ButtonGuard(QWidget* button, const QString& array, int index, const QString& label = QString());
    ~ButtonGuard();
    ButtonGuard(const ButtonGuard&) = delete;
    ButtonGuard& operator=(const ButtonGuard&) = delete;

    bool passed() const { return m_passed; }
    // Enables the button now (a handler that unloads its own window does so first).
    void release();
    void keepDisabled() { m_reenable = false; }

private:
    QPointer<QWidget> m_button;
    bool m_passed = false;
    bool m_reenable = true;
};
