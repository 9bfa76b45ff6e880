#include "booking/entry_window.h"

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

// Selects the first item (up to `last`) whose leading number equals that of the text; no match
// keeps the selection.
void selectNumber(QComboBox& combo, const QString& text, int last)
{
    const int value = ToLong(text);
    for (int i = 0; i < combo.count() && i <= last; ++i)
        if (ToLong(combo.itemText(i)) == value) {
            combo.setCurrentIndex(i);
            return;
        }
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
    picFrame[4]->hide();
    picFrame[3]->setVisible(found);

    setDate(*예약일Box, valueOf(answer, QStringLiteral(" day["), QStringLiteral("]day ")));
    const auto [hour, minute] = startOf(valueOf(answer, QStringLiteral(" time["), QStringLiteral("]time ")));
    SetWidgetTag(*예약시Box, hour);
    SetWidgetTag(*예약분Box, minute);
    selectNumber(*예약시Box, hour, 23);
    selectNumber(*예약분Box, minute, 예약분Box->count() - 1);

    const QStringList end =
        valueOf(answer, QStringLiteral(" finishscheduleTime["), QStringLiteral("]finishscheduleTime ")).split(' ');
    const QStringList endTime = end.value(1).split(':');
    setDate(*종료일Box, end.value(0));
    SetWidgetTag(*종료시Box, endTime.value(0));
    SetWidgetTag(*종료분Box, endTime.value(1));
    selectNumber(*종료시Box, endTime.value(0), 23);
    selectNumber(*종료분Box, endTime.value(1), 종료분Box->count() - 1);

    setText(*txt성함Box, valueOf(answer, QStringLiteral("requestname["), QStringLiteral("]requestname")));
    const QString block = valueOf(answer, QStringLiteral("personcount["), QStringLiteral("]personcount"));
    const QString scheme = valueOf(block, QStringLiteral("<persontype>"), QStringLiteral("</persontype>"));
    if (scheme == QStringLiteral("1")) {
        setText(*txt인원_남성Box, countText(block, QStringLiteral("sexmale")));
        setText(*txt인원_여성Box, countText(block, QStringLiteral("sexfemale")));
    } else if (scheme == QStringLiteral("2")) {
        setText(*txt인원_대인Box, countText(block, QStringLiteral("big")));
        setText(*txt인원_소인Box, countText(block, QStringLiteral("small")));
    } else {
        setText(*txt인원_총인원Box, countText(block, QStringLiteral("totalcount")));
    }
    loadTables(valueOf(answer, QStringLiteral("table["), QStringLiteral("]table")));
    setText(*txt모임명Box, valueOf(answer, QStringLiteral("requestoz["), QStringLiteral("]requestoz")));
    txt요청사항Box->setText(VmrDecodeAA(valueOf(answer, QStringLiteral("memo["), QStringLiteral("]memo"))));
    txt요청사항Box->setTag(txt요청사항Box->text());
    setText(*txt매니저명, valueOf(answer, QStringLiteral("zzim_managername["), QStringLiteral("]zzim_managername")));
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
        const int table = cob좌석Box[r]->findText(items[k], Qt::MatchExactly | Qt::MatchCaseSensitive);
        cob좌석Box[r]->setCurrentIndex(qMax(table, 0));
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
