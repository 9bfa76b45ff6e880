// The tables window's exchange with the backend: the list, and adding, changing and hiding a
// table. After each change the list is reloaded, whatever the backend answered, and the boxes
// are cleared, so another change needs a new click on the list.

#include "config/tables_window.h"

#include "core/backend_request.h"
#include "core/converters.h"
#include "core/number_format.h"
#include "core/text_escapes.h"
#include "platform/message_box.h"
#include "server/table_description.h"

#include <QCoreApplication>
#include <QPointer>

namespace {

bool Confirmed(const QString& question)
{
    return MsgBox(question, MsgStyle::YesNo) == MsgResult::Yes;
}

QString EscapedDescription(const QString& location, const QString& printer)
{
    return VmrEncodeAA(WriteTableDescription({location, printer}));
}

} // namespace

void frmB좌석설정::Load_설정()
{
    SpreadGrid& grid = *SPR[0];
    const auto tables = RequestTableListFor(*this, grid, *picWait);
    if (!tables)
        return;
    QList<const TableRecord*> active;
    for (const TableRecord& table : *tables)
        if (table.isActive())
            active.append(&table);
    grid.SetMaxRows(int(active.size()));
    for (int i = 0; i < active.size(); ++i)
        fillRow(i + 1, *active[i]);
    lblInfo[0]->setText("만들어진 좌석  -  총 " + FormatNumber(double(active.size())) + "개");
    grid.SetReDraw(true);
}

void frmB좌석설정::fillRow(int row, const TableRecord& table)
{
    const TableDescription description = ReadTableDescription(table.tableinfo);
    const QStringList cells{table.nums,           table.tableqroup, table.tablenum, description.location,
                            description.printer,  table.tableqr,    table.tableregdate,
                            QStringLiteral("웹주문 →")};
    for (int col = 1; col <= cells.size(); ++col)
        SPR[0]->SetText(col, row, cells[col - 1]);
}

void frmB좌석설정::좌석_추가()
{
    const QString name = Trim(좌석이름1->text());
    const QString location = Trim(위치설명1->text());
    const QString printer = Trim(계산서프린터1->text());
    if (name.isEmpty())
        return;
    sendChange(BackendRequest(QStringLiteral("좌석_추가() ... "), QStringLiteral("/program/qrtableadd.php"))
                   .add(QStringLiteral("tablename"), name)
                   .addEscaped(QStringLiteral("tableinfo"), EscapedDescription(location, printer)));
}

// A change needs a chosen table (the tag holds its record number): without one nothing is asked
// or sent, as a request without a record number names no table.
void frmB좌석설정::좌석_수정()
{
    const QString number = Trim(좌석이름2->tag());
    const QString name = Trim(좌석이름2->text());
    const QString location = Trim(위치설명2->text());
    const QString printer = Trim(계산서프린터2->text());
    if (name.isEmpty() || number.isEmpty())
        return;
    QPointer<frmB좌석설정> self(this);
    if (!Confirmed(QStringLiteral("좌석을 수정하시겠습니까?")) || !self)
        return;
    sendChange(BackendRequest(QStringLiteral("좌석_수정() ... "), QStringLiteral("/program/qrtablenameedit.php"))
                   .add(QStringLiteral("qrn"), number)
                   .add(QStringLiteral("qrtext"), name)
                   .addEscaped(QStringLiteral("tableinfo"), EscapedDescription(location, printer)));
}

void frmB좌석설정::좌석_삭제()
{
    const QString number = Trim(좌석이름2->tag());
    if (number.isEmpty())
        return;
    QPointer<frmB좌석설정> self(this);
    if (!Confirmed(QStringLiteral("좌석을 삭제하시겠습니까?")) || !self)
        return;
    sendChange(BackendRequest(QStringLiteral("좌석_삭제() ... "), QStringLiteral("/program/qrtableYNedit.php"))
                   .add(QStringLiteral("qrn"), number)
                   .addEscaped(QStringLiteral("qryn"), QStringLiteral("N")));
}

void frmB좌석설정::sendChange(BackendRequest request)
{
    QPointer<frmB좌석설정> self(this);
    picWait->showBeforeRequest();
    if (!self)
        return;
    request.send();
    if (!self)
        return;
    picWait->hide();
    Load_설정();
    if (self)
        clearBoxes();
}

void frmB좌석설정::clearBoxes()
{
    좌석이름1->clear();
    위치설명1->setText(QString());
    계산서프린터1->clear();
    좌석이름2->setTag(QString());
    좌석이름2->clear();
    위치설명2->setText(QString());
    계산서프린터2->clear();
    QPointer<frmB좌석설정> self(this);
    QCoreApplication::processEvents();
    if (self)
        좌석이름1->setFocus();
}
