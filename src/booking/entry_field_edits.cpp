#include "booking/entry_window.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/converters.h"
#include "core/text_escapes.h"
#include "platform/crlf_text_box.h"
#include "platform/widget_look.h"
#include "server/reservation_entry_formats.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

// The field edits of a loaded reservation: each compares its inputs with the Tags of the load and
// posts only a changed field. Results: 1 unchanged, 0 accepted, -1 refused.

namespace {

bool textChanged(const QLineEdit& box)
{
    return box.text() != WidgetTag(box);
}

bool numberChanged(const QWidget& input, const QString& text)
{
    return ToLong(text) != ToLong(WidgetTag(input));
}

bool comboChanged(const QComboBox& combo)
{
    return numberChanged(combo, combo.currentText());
}

bool dateChanged(const QDateEdit& picker)
{
    return picker.date().toString(QStringLiteral("yyyy-MM-dd")) != WidgetTag(picker);
}

bool boxNumberChanged(const QLineEdit& box)
{
    return numberChanged(box, box.text());
}

QString number(const QLineEdit& box)
{
    return QString::number(ToLong(box.text()));
}

} // namespace

int frmB예약_등록B::sendEdit(const QString& procedure, const QString& path,
                             const std::function<void(BackendRequest&)>& fields)
{
    QPointer<frmB예약_등록B> self(this);
    showWait();
    if (!self)
        return -1;
    BackendRequest request(procedure + QStringLiteral("() ... "), path);
    request.add(QStringLiteral("zzimnum"), m_CurBkNumT);
    fields(request);
    const QString answer = request.send();
    if (!self)
        return -1;
    picWait->hide();
    return IsSuccessAnswer(answer) ? 0 : -1;
}

namespace {

const QString kEdit = QStringLiteral("/Admin/zzimedit.php");

// checks1, checks2 and the staff name in force.
std::function<void(BackendRequest&)> oneField(const QString& field, const QString& value, const QString& manager,
                                              bool escaped = false)
{
    return [=](BackendRequest& request) {
        request.add(QStringLiteral("checks1"), field);
        if (escaped)
            request.addEscaped(QStringLiteral("checks2"), value);
        else
            request.add(QStringLiteral("checks2"), value);
        request.add(QStringLiteral("managername"), manager);
    };
}

} // namespace

int frmB예약_등록B::예약수정_이름()
{
    if (!textChanged(*txt성함Box))
        return 1;
    return sendEdit(QStringLiteral("예약수정_이름"), kEdit,
                    oneField(QStringLiteral("requestname"), txt성함Box->text(), txt매니저명->text()));
}

int frmB예약_등록B::예약수정_예약일시()
{
    if (!dateChanged(*예약일Box) && !comboChanged(*예약시Box) && !comboChanged(*예약분Box))
        return 1;
    const QString day = 예약일Box->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString time = TimeLabel(ToLong(예약시Box->currentText()), 예약분Box->currentText());
    const QString manager = txt매니저명->text();
    return sendEdit(QStringLiteral("예약수정_예약일시"), QStringLiteral("/Admin/zzimedittime.php"),
                    [=](BackendRequest& request) {
                        request.add(QStringLiteral("day"), day)
                            .add(QStringLiteral("time"), time)
                            .add(QStringLiteral("managername"), manager);
                    });
}

int frmB예약_등록B::예약수정_종료일시()
{
    if (!dateChanged(*종료일Box) && !comboChanged(*종료시Box) && !comboChanged(*종료분Box))
        return 1;
    const QString end = PickedMoment(종료일Box->date(), 종료시Box->currentText(), 종료분Box->currentText());
    return sendEdit(QStringLiteral("예약수정_종료일시"), kEdit,
                    oneField(QStringLiteral("finishscheduleTime"), end, txt매니저명->text()));
}

int frmB예약_등록B::예약수정_좌석()
{
    const QString tables = TableListOf(*this);
    if (tables == NormalTableList(WidgetTag(*cob좌석Box[0])))
        return 1;
    const QString manager = txt매니저명->text();
    return sendEdit(QStringLiteral("예약수정_좌석"), QStringLiteral("/Admin/zzimedittable.php"),
                    [=](BackendRequest& request) {
                        request.add(QStringLiteral("table"), tables).add(QStringLiteral("managername"), manager);
                    });
}

// The form of the party panel shown, every count read as a number.
int frmB예약_등록B::예약수정_인원()
{
    QString block;
    bool changed = false;
    if (m_PartyScheme == QStringLiteral("0")) {
        changed = boxNumberChanged(*txt인원_총인원Box);
        block = "<persontype>0</persontype><totalcount>" + number(*txt인원_총인원Box) + "</totalcount>";
    } else if (m_PartyScheme == QStringLiteral("1")) {
        changed = boxNumberChanged(*txt인원_남성Box) || boxNumberChanged(*txt인원_여성Box);
        block = "<persontype>1</persontype><sexmale>" + number(*txt인원_남성Box) + "</sexmale><sexfemale>"
                + number(*txt인원_여성Box) + "</sexfemale>";
    } else {
        changed = boxNumberChanged(*txt인원_대인Box) || boxNumberChanged(*txt인원_소인Box);
        block = "<persontype>2</persontype><big>" + number(*txt인원_대인Box) + "</big><small>"
                + number(*txt인원_소인Box) + "</small>";
    }
    if (!changed)
        return 1;
    return sendEdit(QStringLiteral("예약수정_인원"), kEdit,
                    oneField(QStringLiteral("personcount"), block, txt매니저명->text()));
}

int frmB예약_등록B::예약수정_모임명()
{
    if (!textChanged(*txt모임명Box))
        return 1;
    return sendEdit(QStringLiteral("예약수정_모임명"), kEdit,
                    oneField(QStringLiteral("requestoz"), txt모임명Box->text(), txt매니저명->text()));
}

int frmB예약_등록B::예약수정_요청사항()
{
    if (txt요청사항Box->text() == txt요청사항Box->tag())
        return 1;
    return sendEdit(QStringLiteral("예약수정_요청사항"), kEdit,
                    oneField(QStringLiteral("memo"), VmrEncodeAA(txt요청사항Box->text()), txt매니저명->text(), true));
}

int frmB예약_등록B::예약수정_매니저명()
{
    if (!textChanged(*txt매니저명))
        return 1;
    const QString manager = txt매니저명->text();
    return sendEdit(QStringLiteral("예약수정_매니저명"), kEdit, [=](BackendRequest& request) {
        request.add(QStringLiteral("checks1"), QStringLiteral("managername")).add(QStringLiteral("checks2"), manager);
    });
}
