#include "support/seams.h"

int ScriptedMessageBoxes::show(const QString& text, const QString& title, int style)
{
    m_shown.append({text, title, style});
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    const int buttons = style & 0x7;
    if (buttons == MsgStyle::YesNo || buttons == MsgStyle::YesNoCancel)
        return MsgResult::Yes;
    return MsgResult::Ok;
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList result;
    for (const Shown& s : m_shown)
        result.append(s.text);
    return result;
}

void ScriptedMessageBoxes::clear()
{
    m_shown.clear();
    m_answers.clear();
}

ScriptedMessageBoxes& MessageBoxes()
{
    static ScriptedMessageBoxes boxes;
    return boxes;
}

RecordingSound& Sounds()
{
    static RecordingSound sounds;
    return sounds;
}

RecordingExit& ExitRequests()
{
    static RecordingExit exits;
    return exits;
}

RecordingLauncher& ProgramLaunches()
{
    static RecordingLauncher launches;
    return launches;
}

ScriptedFileDialogs& FileDialogs()
{
    static ScriptedFileDialogs dialogs;
    return dialogs;
}

ScopedFakeClock::ScopedFakeClock(const QDateTime& start) : m_clock(start)
{
    SetClock(&m_clock);
}

ScopedFakeClock::~ScopedFakeClock()
{
    SetClock(nullptr);
}
