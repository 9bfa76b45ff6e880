#include "core/button_guard.h"

#include "core/log.h"

ButtonGuard::ButtonGuard(QWidget* button, const QString& array, int index, const QString& label)
    : m_button(button)
{
    const bool enabled = button && button->isEnabled();
    WriteLog(array + "_Click Start " + array + "(" + QString::number(index) + label + ").Enabled := "
             + (enabled ? "True" : "False"));
    if (!enabled)
        return;
    button->setEnabled(false);
    m_passed = true;
    WriteLog(array + "_Click NextStep");
}

ButtonGuard::~ButtonGuard()
{
    if (m_passed && m_reenable)
        release();
}

void ButtonGuard::release()
{
    m_reenable = false;
    if (m_button)
        m_button->setEnabled(true);
}
