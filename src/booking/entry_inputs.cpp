#include "booking/entry_window.h"

#include "booking/number_combo.h"
#include "core/converters.h"
#include "core/phone.h"
#include "platform/clock.h"
#include "platform/crlf_text_box.h"
#include "platform/placeholder_box.h"
#include "platform/widget_look.h"
#include "server/server_globals.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QPointer>

// The input boxes' focus looks, the key filter of the party-size and phone boxes, the end-time suggestion and the
// defaults of a new reservation.

namespace {

const QColor kEditYellow(255, 255, 192);
const QColor kPanelGrey(242, 242, 242);
const QColor kValueBlue(0, 112, 192);
const QColor kPlaceholderGrey(224, 224, 224);

// The first item whose leading number equals the value, from index 0 up to `last`; -1 for none.
int itemWithNumber(const QComboBox& combo, int value, int last)
{
    for (int i = 0; i < combo.count() && i <= last; ++i)
        if (ToLong(combo.itemText(i)) == value)
            return i;
    return -1;
}

int flooredToTens(int minute)
{
    return minute / 10 * 10;
}

} // namespace

void frmB예약_등록B::connectInputs()
{
    txtS[0]->setFilledColor(QColor());
    for (PlaceholderBox* box : txtA)
        box->setFilledColor(QColor());
    txtB[1]->setFilledColor(kValueBlue);
    txtC[1]->setFilledColor(kValueBlue);
    connectMemoBox(*txtA2[0], true);
    connectMemoBox(*txtB2[0], false);
    QObject::connect(예약시Box, &QComboBox::currentIndexChanged, this, [this] { 예약시_Click(); });
    QObject::connect(예약분Box, &QComboBox::currentIndexChanged, this, [this] { 예약분_Click(); });
    m_StartDay = 예약일Box->date();
    QObject::connect(예약일Box, &QDateEdit::dateChanged, this, [this] { 예약일_Change(); });
    connectPhoneBoxes();
}

QList<QLineEdit*> frmB예약_등록B::partyBoxes() const
{
    return {txt인원_총인원Box, txt인원_남성Box, txt인원_여성Box, txt인원_대인Box, txt인원_소인Box};
}

// Memo boxes: yellow while focused; panel A's leaves grey and frameless, panel B's white with its
// placeholder when empty.
void frmB예약_등록B::connectMemoBox(CrLfTextBox& box, bool panelA)
{
    QObject::connect(&box, &CrLfTextBox::gotFocus, this, [&box, panelA] {
        if (box.text() == box.toolTip())
            box.setText(QString());
        SetBackColor(box, kEditYellow);
        SetForeColor(box, Qt::black);
        if (panelA)
            box.setFrameShape(QFrame::Box);
    });
    QObject::connect(&box, &CrLfTextBox::lostFocus, this, [&box, panelA] {
        const bool empty = box.text().isEmpty();
        if (empty)
            box.setText(box.toolTip());
        if (panelA) {
            SetBackColor(box, kPanelGrey);
            SetForeColor(box, kValueBlue);
            box.setFrameShape(QFrame::NoFrame);
            return;
        }
        SetForeColor(box, empty ? kPlaceholderGrey : kValueBlue);
        SetBackColor(box, Qt::white);
    });
}

QList<QLineEdit*> frmB예약_등록B::phoneBoxes() const
{
    return {txtA[1], txtB[1], txtB[2], txtB[3], txtB[4], txt연락처};
}

// The party-size and phone boxes take digits; every other printable character is dropped, while
// editing keys and shortcuts (Backspace, Delete, Ctrl+V ...) work as usual. A phone's hyphens are
// set by position when the box is left.
bool frmB예약_등록B::digitKeyPress(QObject* watched, QEvent* event) const
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box || (!partyBoxes().contains(box) && !phoneBoxes().contains(box)))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || !text[0].isPrint() || key->modifiers().testFlag(Qt::ControlModifier))
        return false;
    return !(text.size() == 1 && text[0] >= '0' && text[0] <= '9');
}

void frmB예약_등록B::connectPhoneBoxes()
{
    for (QLineEdit* box : phoneBoxes())
        QObject::connect(box, &QLineEdit::editingFinished, this, [box] {
            const QString shown = FormatPhoneMasked(box->text(), false);
            if (!shown.isEmpty())
                box->setText(shown);
        });
}

void frmB예약_등록B::예약시_Click()
{
    if (!m_EventPrevent)
        종료시간_계산();
}

void frmB예약_등록B::예약분_Click()
{
    if (!m_EventPrevent)
        종료시간_계산();
}

void frmB예약_등록B::예약일_Change()
{
    const QDate start = 예약일Box->date();
    if (!m_EventPrevent && m_StartDay.isValid())
        종료일Box->setDate(종료일Box->date().addDays(m_StartDay.daysTo(start)));
    m_StartDay = start;
}

// The end of the shop's usual stay from the start, on its own day; an end hour that the
// timetable's hours do not hold is added to the list.
void frmB예약_등록B::종료시간_계산()
{
    const QDateTime start(예약일Box->date(), QTime(ToLong(예약시Box->currentText()), ToLong(예약분Box->currentText())));
    if (!start.isValid())
        return;
    const QDateTime end = start.addSecs(qint64(gRequireTime) * 60);
    종료일Box->setDate(end.date());
    ShowNumber(*종료시Box, end.time().hour(), QStringLiteral("시"));
    const int minute = itemWithNumber(*종료분Box, flooredToTens(end.time().minute()), 종료분Box->count() - 1);
    종료분Box->setCurrentIndex(qMax(minute, 0));
}

void frmB예약_등록B::예약등록_초기화()
{
    picFrame[4]->hide();
    picFrame[3]->show();
    const QDateTime source = m_예약일시.isEmpty()
                                 ? CurrentClock().now()
                                 : QDateTime::fromString(m_예약일시, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!source.isValid())
        return;
    예약일Box->setDate(source.date());
    const int hour = itemWithNumber(*예약시Box, source.time().hour(), 예약시Box->count() - 1);
    예약시Box->setCurrentIndex(qMax(hour, 0));
    const int minute = itemWithNumber(*예약분Box, flooredToTens(source.time().minute()), 예약분Box->count() - 1);
    예약분Box->setCurrentIndex(qMax(minute, 0));
    if (txt인원Box[0]->text().isEmpty() && !m_좌석.isEmpty()) {
        const int table = cob좌석Box[0]->findText(m_좌석, Qt::MatchExactly | Qt::MatchCaseSensitive);
        cob좌석Box[0]->setCurrentIndex(qMax(table, 0));
        if (table >= 0)
            txt인원Box[0]->setText(QStringLiteral("1"));
    }
    if (!m_EventPrevent)
        종료시간_계산();
    QPointer<frmB예약_등록B> self(this);
    QCoreApplication::processEvents();
    if (self)
        예약일Box->setFocus();
}
