#include "board/fake_windows.h"

#include "board/board_window.h"
#include "platform/window_effects.h"

#include <QTimer>

namespace {

class FakeEntry : public QWidget, public FormEvents, public ReservationEntryOpening
{
public:
    explicit FakeEntry(FakeEntryWindows& owner) : m_owner(owner) {}
    void Form_Activate() override
    {
        m_FirstActivated = false;
        const auto* board = static_cast<frmB예약관리*>(FindForm(frmB예약관리::FormName()));
        m_owner.openings.append({m_ModeA, m_BkNumT, m_CustPhoneT, m_예약일시, m_좌석,
                                 board && !board->picShadow->isHidden()});
        if (m_owner.whileOpen)
            m_owner.whileOpen();
        QTimer::singleShot(0, this, [this] { hide(); });
    }

private:
    FakeEntryWindows& m_owner;
};

class FakeHistory : public QWidget, public FormEvents
{
public:
    explicit FakeHistory(FakeCallHistory& owner) : m_owner(owner) {}
    void Form_Activate() override
    {
        m_FirstActivated = false;
        if (QWidget* main = FindForm(QStringLiteral("frmMainMDI")))
            m_owner.alphaWhileOpen.append(WindowAlpha(*main));
        QTimer::singleShot(0, this, [this] { hide(); });
    }

private:
    FakeCallHistory& m_owner;
};

} // namespace

FakeEntryWindows::FakeEntryWindows()
{
    RegisterFormFactory(kReservationEntryForm, [this] { return new FakeEntry(*this); });
}

FakeEntryWindows::~FakeEntryWindows()
{
    UnloadForm(kReservationEntryForm);
    RegisterFormFactory(kReservationEntryForm, nullptr);
}

FakeCallHistory::FakeCallHistory()
{
    RegisterFormFactory(QStringLiteral("frmB전화수신이력B"), [this] { return new FakeHistory(*this); });
}

FakeCallHistory::~FakeCallHistory()
{
    UnloadForm(QStringLiteral("frmB전화수신이력B"));
    RegisterFormFactory(QStringLiteral("frmB전화수신이력B"), nullptr);
}
