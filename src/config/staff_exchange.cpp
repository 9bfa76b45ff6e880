#include "config/staff_window.h"

#include "core/answer_grammar.h"
#include "core/text_escapes.h"

#include <QPointer>

// The staff window's exchanges with the backend. Names go out through VmrEncodeBB (and, having no
// token for "%", the form rule for raw values) and come back through VmrDecodeAA.

QString frmB직원등록::sendWithWait(BackendRequest request)
{
    QPointer<frmB직원등록> self(this);
    picWait->showBeforeRequest();
    if (!self)
        return QString();
    const QString answer = request.send();
    if (self)
        picWait->hide();
    return answer;
}

bool frmB직원등록::Load_직원()
{
    QPointer<frmB직원등록> self(this);
    SpreadGrid& grid = *SPR[0];
    grid.SetReDraw(false);
    grid.SetMaxRows(0);
    const QString answer = sendWithWait(BackendRequest(QStringLiteral("Load_직원() ... "),
                                                       QStringLiteral("/program/shopmanagerloading.php")));
    if (!self)
        return false;
    const AnswerRecords records = AnswerRecords::Parallel(answer, QStringLiteral("num["));
    const int count = int(records.count());
    grid.SetMaxRows(count);
    for (int i = 1; i <= count; ++i) {
        const AnswerRecord record = records.at(i - 1);
        grid.SetText(1, i, record.field(QStringLiteral("num["), QStringLiteral("]num")));
        grid.SetText(2, i, VmrDecodeAA(record.field(QStringLiteral("managername["), QStringLiteral("]managername"))));
    }
    grid.SetRow(count);
    grid.SetCol(2);
    grid.SetReDraw(true);
    m_rowChosen = false;
    return true;
}

bool frmB직원등록::Add_직원()
{
    sendWithWait(BackendRequest(QStringLiteral("Add_직원() ... "), QStringLiteral("/program/shopmanagerADD.php"))
                     .add(QStringLiteral("managername"), VmrEncodeBB(Text1->text())));
    return true;
}

bool frmB직원등록::Modify_직원()
{
    const QString number = m_text2Tag;
    const QString name = VmrEncodeBB(Text2->text());
    sendWithWait(BackendRequest(QStringLiteral("Modify_직원() ... "), QStringLiteral("/program/shopmanagerEdit.php"))
                     .add(QStringLiteral("numt"), number)
                     .add(QStringLiteral("managername"), name));
    return true;
}

bool frmB직원등록::Delete_직원(int number)
{
    sendWithWait(BackendRequest(QStringLiteral("Delete_직원() ... "), QStringLiteral("/program/shopmanagerDelete.php"))
                     .add(QStringLiteral("numt"), QString::number(number)));
    return true;
}

bool frmB직원등록::ReOrder_직원()
{
    SpreadGrid& grid = *SPR[0];
    QString body;
    grid.SetCol(1);
    for (int i = 1; i <= grid.MaxRows(); ++i)
        body += " num[" + grid.GetText(1, i) + "]num sort[" + QString::number(i) + "]sort ";
    sendWithWait(BackendRequest(QStringLiteral("ReOrder_직원() ... "), QStringLiteral("/program/shopmanagersortedit.php"))
                     .addEscaped(QStringLiteral("sort"), body));
    return true;
}
