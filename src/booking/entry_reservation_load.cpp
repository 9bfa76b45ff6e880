#include "booking/entry_window.h"

#include "booking/number_combo.h"
#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/converters.h"
#include "core/text_escapes.h"
#include "platform/clock.h"
#include "platform/crlf_text_box.h"
#include "platform/panel_button.h"
#include "platform/spread_grid.h"
#include "platform/widget_look.h"
#include "server/cache_dates.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>

// Loading the reservation in hand into the reservation panel, every input keeping the loaded value
// in its Tag, and the click on a row of the member's history.

namespace {

// The value between the marker pair; empty text when the answer lacks it.
QString valueOf(const QString& answer, const QString& open, const QString& close)
{
    return GetField(answer, open, close).value_or(QString());
}

QString countText(const QString& block, const QString& tag)
{
    return QString::number(ToLong(valueOf(block, "<" + tag + ">", "</" + tag + ">")));
}

// The stored hour or minute, added to the list when the list lacks it, so that a save that does
// not touch it finds it unchanged; a field the answer lacks (an empty text) keeps the selection.
void showNumber(QComboBox& combo, const QString& text, const QString& unit)
{
    if (!Trim(text).isEmpty())
        ShowNumber(combo, ToLong(text), unit);
}

// Selects the table; a table the list no longer holds (hidden since) is added to the list, so
// that the reservation keeps it.
void showTable(QComboBox& combo, const QString& name)
{
    int table = combo.findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (table < 0 && !Trim(name).isEmpty()) {
        combo.addItem(name);
        table = combo.count() - 1;
    }
    combo.setCurrentIndex(qMax(table, 0));
}

void setDate(QDateEdit& picker, const QString& text)
{
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (date.isValid())
        picker.setDate(date);
    SetWidgetTag(picker, text);
}

void setText(QLineEdit& box, const QString& text)
{
    box.setText(text);
    SetWidgetTag(box, box.text());
}

// "오후 6시 30분": the hour as "09" before noon, "12" to "23" after it, and the minute item.
std::pair<QString, QString> startOf(const QString& label)
{
    const QStringList words = label.split(' ');
    QString hourLabel = words.value(0) + " " + words.value(1);
    hourLabel.remove(QStringLiteral("시"));
    const QString rest = hourLabel.mid(2);
    const QString hour = hourLabel.startsWith(QStringLiteral("오전")) ? ZeroPad(Trim(rest), 2)
                                                                      : QString::number(ToLong(rest) + 12);
    return {hour, words.value(2)};
}

} // namespace

void frmB예약_등록B::Load_예약데이터()
{
    const QString number = m_CurBkNumT;
    QPointer<frmB예약_등록B> self(this);
    const QString answer =
        BackendRequest(QStringLiteral("Load_예약데이터() ... "), QStringLiteral("/Admin/zzimstateload.php"))
            .add(QStringLiteral("zzimnum"), number)
            .send();
    if (!self || m_CurBkNumT != number)
        return;
    const bool found = answer.contains(QStringLiteral(" day["));
    fillLists();
    picFrame[4]->hide();
    picFrame[3]->setVisible(found);

    setDate(*예약일Box, valueOf(answer, QStringLiteral(" day["), QStringLiteral("]day ")));
    const auto [hour, minute] = startOf(valueOf(answer, QStringLiteral(" time["), QStringLiteral("]time ")));
    SetWidgetTag(*예약시Box, hour);
    SetWidgetTag(*예약분Box, minute);
    showNumber(*예약시Box, hour, QStringLiteral("시"));
    showNumber(*예약분Box, minute, QStringLiteral("분"));
    loadEnd(valueOf(answer, QStringLiteral(" finishscheduleTime["), QStringLiteral("]finishscheduleTime ")));

    setText(*txt성함Box, valueOf(answer, QStringLiteral("requestname["), QStringLiteral("]requestname")));
    loadParty(valueOf(answer, QStringLiteral("personcount["), QStringLiteral("]personcount")));
    loadTables(valueOf(answer, QStringLiteral("table["), QStringLiteral("]table")));
    setText(*txt모임명Box, valueOf(answer, QStringLiteral("requestoz["), QStringLiteral("]requestoz")));
    txt요청사항Box->setText(VmrDecodeAA(valueOf(answer, QStringLiteral("memo["), QStringLiteral("]memo"))));
    txt요청사항Box->setTag(txt요청사항Box->text());
    setText(*txt매니저명, valueOf(answer, QStringLiteral("zzim_managername["), QStringLiteral("]zzim_managername")));
}

// A stored end shows as it is. A reservation stored without one shows the suggested end, taken as
// its loaded value, so that a save that does not touch it sends none.
void frmB예약_등록B::loadEnd(const QString& value)
{
    const QStringList end = value.split(' ');
    if (!QDate::fromString(end.value(0), QStringLiteral("yyyy-MM-dd")).isValid()) {
        종료시간_계산();
        SetWidgetTag(*종료일Box, 종료일Box->date().toString(QStringLiteral("yyyy-MM-dd")));
        SetWidgetTag(*종료시Box, 종료시Box->currentText());
        SetWidgetTag(*종료분Box, 종료분Box->currentText());
        return;
    }
    const QStringList endTime = end.value(1).split(':');
    setDate(*종료일Box, end.value(0));
    SetWidgetTag(*종료시Box, endTime.value(0));
    SetWidgetTag(*종료분Box, endTime.value(1));
    showNumber(*종료시Box, endTime.value(0), QStringLiteral("시"));
    showNumber(*종료분Box, endTime.value(1), QStringLiteral("분"));
}

// The boxes and the panel of the block's own scheme, whatever the shop's scheme is now; the boxes
// of the other schemes are emptied with their loaded values.
void frmB예약_등록B::loadParty(const QString& block)
{
    const QString stored = valueOf(block, QStringLiteral("<persontype>"), QStringLiteral("</persontype>"));
    const QString scheme = stored == QStringLiteral("1") || stored == QStringLiteral("2") ? stored : QStringLiteral("0");
    for (QLineEdit* box : partyBoxes())
        setText(*box, QString());
    if (scheme == QStringLiteral("1")) {
        setText(*txt인원_남성Box, countText(block, QStringLiteral("sexmale")));
        setText(*txt인원_여성Box, countText(block, QStringLiteral("sexfemale")));
    } else if (scheme == QStringLiteral("2")) {
        setText(*txt인원_대인Box, countText(block, QStringLiteral("big")));
        setText(*txt인원_소인Box, countText(block, QStringLiteral("small")));
    } else {
        setText(*txt인원_총인원Box, countText(block, QStringLiteral("totalcount")));
    }
    showPartyPanel(scheme);
}

// One row per pair, up to the sixth; the rows below the pairs are emptied.
void frmB예약_등록B::loadTables(const QString& tables)
{
    SetWidgetTag(*cob좌석Box[0], tables);
    const QStringList items = tables.isEmpty() ? QStringList() : tables.split(';');
    for (int r = 0; r < int(cob좌석Box.size()); ++r) {
        const int k = r * 2;
        if (k >= items.size()) {
            cob좌석Box[r]->setCurrentIndex(0);
            txt인원Box[r]->clear();
            continue;
        }
        showTable(*cob좌석Box[r], items[k]);
        const int count = ToLong(items.value(k + 1));
        txt인원Box[r]->setText(count == 0 ? QString() : QString::number(count));
    }
}

// A history row: saving is allowed for a start of today or later that is still open; then the
// reservation is loaded. A row whose start does not read as a date changes nothing.
void frmB예약_등록B::history_Click(int row)
{
    const SpreadGrid& grid = *SPR[1];
    const QDate start = ReadCacheDate(grid.GetText(12, row));
    if (!start.isValid())
        return;
    m_CurBkNumT = grid.GetText(1, row);
    static const QStringList closed{QStringLiteral("거절"), QStringLiteral("취소"), QStringLiteral("노쇼"),
                                    QStringLiteral("완료")};
    const bool allowed = start >= CurrentClock().now().date() && !closed.contains(grid.GetText(11, row));
    CMD[4]->setEnabled(allowed);
    Load_예약데이터();
}
