#pragma once

#include "platform/clock.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/program_exit.h"
#include "platform/sound.h"
#include "platform/program_launcher.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Message boxes that record what they were asked to show and answer as scripted.
class ScriptedMessageBoxes : public MessageBoxService
{
public:
    struct Shown {
        QString text;
        QString title;
        int style = 0;
        int icon() const { return style & 0x70; }
        int buttons() const { return style & 0x7; }
    };

    int show(const QString& text, const QString& title, int style) override;

    // The next answers, in order; when none is left, Yes for questions and Ok otherwise.
    void answer(int result) { m_answers.append(result); }
    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear();

private:
    QList<Shown> m_shown;
    QList<int> m_answers;
};

// Records a request to end the program instead of ending the test process.
class RecordingExit : public ProgramExitService
{
public:
    void exit(int code) override
    {
        ++m_count;
        m_lastCode = code;
    }
    int count() const { return m_count; }
    int lastCode() const { return m_lastCode; }
    void clear() { m_count = 0; m_lastCode = 0; }

private:
    int m_count = 0;
    int m_lastCode = 0;
};

// A clock the test sets and moves. The tick moves with the time.
class FakeClock : public Clock
{
public:
    explicit FakeClock(const QDateTime& start = QDateTime(QDate(2024, 4, 26), QTime(14, 5, 9, 7)))
        : m_now(start) {}
    QDateTime now() const override { return m_now; }
    qint64 tick64() const override { return m_tick; }
    void set(const QDateTime& at) { m_now = at; }
    void advance(qint64 ms) { m_now = m_now.addMSecs(ms); m_tick += ms; }
    void setTick(qint64 tick) { m_tick = tick; }

private:
    QDateTime m_now;
    qint64 m_tick = 1000;
};

// Records the wave files the program asked to play.
class RecordingSound : public SoundPlayer
{
public:
    void play(const QString& file) override { m_played.append(file); }
    const QStringList& played() const { return m_played; }
    void clear() { m_played.clear(); }

private:
    QStringList m_played;
};

// Records the programs and addresses it is asked to start and open, and starts nothing.
class RecordingLauncher : public ProgramLauncher
{
public:
    struct Started {
        QString program;
        QStringList arguments;
        QString workingFolder;
    };

    qint64 startProgram(const QString& program, const QStringList& arguments,
                        const QString& workingFolder) override
    {
        m_started.append({program, arguments, workingFolder});
        return 4242;
    }
    bool openUrl(const QString& url) override
    {
        m_opened.append(url);
        return true;
    }
    const QList<Started>& started() const { return m_started; }
    const QStringList& opened() const { return m_opened; }
    void clear() { m_started.clear(); m_opened.clear(); }

private:
    QList<Started> m_started;
    QStringList m_opened;
};

// Open dialogs that record what they were asked to show and answer the scripted paths in order;
// when none is left, the dialog is cancelled.
class ScriptedFileDialogs : public FileDialogService
{
public:
    struct Shown {
        QString title;
        QString fileName;
        QString filter;
    };

    QString openFile(const QString& title, const QString& fileName, const QString& filter) override
    {
        m_shown.append({title, fileName, filter});
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }
    void choose(const QString& path) { m_answers.append(path); }
    const QList<Shown>& shown() const { return m_shown; }
    void clear() { m_shown.clear(); m_answers.clear(); }

private:
    QList<Shown> m_shown;
    QStringList m_answers;
};

// The services every test runs with; installed by the test main and cleared between tests.
ScriptedMessageBoxes& MessageBoxes();
RecordingExit& ExitRequests();
RecordingSound& Sounds();
RecordingLauncher& ProgramLaunches();
ScriptedFileDialogs& FileDialogs();

// Installs a fake clock for the life of the object.
class ScopedFakeClock
{
public:
    explicit ScopedFakeClock(const QDateTime& start = QDateTime(QDate(2024, 4, 26), QTime(14, 5, 9, 7)));
    ~ScopedFakeClock();
    FakeClock& operator*() { return m_clock; }
    FakeClock* operator->() { return &m_clock; }

private:
    FakeClock m_clock;
};
