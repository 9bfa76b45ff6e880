#include "messaging/message_history_window.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/button_guard.h"
#include "core/error_line.h"
#include "core/file_exists.h"
#include "core/grid_helpers.h"
#include "core/screen_values.h"
#include "core/text_escapes.h"
#include "platform/clock.h"
#include "platform/combo_display.h"
#include "platform/header_cell.h"
#include "platform/panel_button_look.h"
#include "platform/pop_up.h"
#include "platform/send_keys.h"
#include "platform/window_effects.h"

#include <QCoreApplication>
#include <QPointer>

#include <cmath>

namespace {

const QString kWindow = QStringLiteral("frmz문자내역");
const QColor kBlue(0, 141, 238);
constexpr int kPageSize = 30;

// The pages of a new search: the total divided by the page size, rounded up, at least 1; none
// when the answer carries no total or no number.
int pageCount(const QString& answer)
{
    const auto total = GetField(answer, QStringLiteral("<totalrow>"), QStringLiteral("</totalrow>"));
    bool number = false;
    const double value = total ? total->trimmed().toDouble(&number) : 0;
    if (!number)
        return 0;
    return qMax(1, int(std::ceil(value / kPageSize)));
}

// One number as it is; several as the first, a line break and "외 " with the count of the others.
QString recipientText(const QString& phone)
{
    if (!phone.contains(u"a["))
        return phone;
    const QString first = GetField(phone, QStringLiteral("a["), QStringLiteral("]a")).value_or(QString());
    const qsizetype items = phone.count(u"a[");
    return items < 2 ? first : first + "\r\n외 " + QString::number(items - 1);
}

// Line breaks of a plain text show as "↘"; a percent-encoded text is decoded with its own breaks.
QString messageText(const QString& message)
{
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("↘"));
    return text.startsWith(u'%') ? URLDecode(text) : text;
}

QString field(const QString& record, const QString& name)
{
    return GetField(record, name + "[", "]" + name).value_or(QString());
}

} // namespace

frmz문자내역::frmz문자내역() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("문자 내역"));
    buildControls();
}

void frmz문자내역::buildControls()
{
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 850, 750);

    lblTitle = NewTitleLabel(this, QRect(13, 2, 400, 36));
    lblTerminate = NewCloseLabel(this, QRect(800, 0, 50, 40));
    QObject::connect(lblTerminate, &PictureLabel::clicked, this, [this] { lblTerminate_Click(); });

    auto* period = new QLabel(QStringLiteral("기 간"), this);
    period->setGeometry(25, 58, 50, 30);
    for (int i = 0; i < 2; ++i) {
        기간[i] = new QDateEdit(this);
        기간[i]->setObjectName(QStringLiteral("기간%1").arg(i));
        기간[i]->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        기간[i]->setCalendarPopup(true);
        기간[i]->setGeometry(75 + 150 * i, 58, 135, 30);
    }
    chk전체 = new QCheckBox(QStringLiteral("전체"), this);
    chk전체->setObjectName(QStringLiteral("chk전체"));
    chk전체->setGeometry(380, 58, 70, 30);
    QObject::connect(chk전체, &QCheckBox::clicked, this, [this] { chk전체_Click(); });

    auto* page = new QLabel(QStringLiteral("페이지"), this);
    page->setGeometry(470, 58, 50, 30);
    cob페이지 = new QComboBox(this);
    cob페이지->setObjectName(QStringLiteral("cob페이지"));
    cob페이지->setGeometry(525, 58, 130, 30);
    QObject::connect(cob페이지, &QComboBox::activated, this, [this] { cob페이지_Click(); });

    CMD[0] = new PanelButton(this, 0);
    CMD[0]->setCaption(QStringLiteral("검색하기"));
    CMD[0]->setGeometry(700, 55, 125, 36);
    QObject::connect(CMD[0], &PanelButton::clicked, this, [this] { CMD_Click(0); });

    SPR = new SpreadGrid(this);
    SPR->setObjectName(QStringLiteral("SPR"));
    SPR->setGeometry(25, 105, 800, 620);
    SPR->DrawItem = [this](int col, int row, QPainter& dc, int x, int y, int x2, int y2) {
        DrawHeaderCell(*SPR, col, row, dc, x, y, x2, y2, QColor(232, 246, 255));
    };
    BD = new QFrame(this);
    BD->setStyleSheet(QStringLiteral("border: 1px solid rgb(200, 200, 200);"));
    BD->lower();
    m_background->lower();

    picWait = new WaitPicture(this);
}

void frmz문자내역::Form_Load()
{
    resize(850, 750);
    CenterOnMainWindow(*this);
    FormRound(*this, 7);
    Func_ReadSkin();
    lblTitle->setText(QStringLiteral("문자 내역"));
    chk전체->setChecked(true);
    const QDate today = CurrentClock().now().date();
    for (QDateEdit* picker : 기간) {
        picker->setDate(today);
        picker->setEnabled(false);
    }
    BD->setGeometry(SPR->x() - 1, SPR->y() - 1, SPR->width() + 3, SPR->height() + 3);
    GiveSwappingLook(*CMD[0], kBlue);
    EnterMovesFocus(*this);
}

bool frmz문자내역::Func_ReadSkin()
{
    const QString background = gSkinPath + "/0416a.gif";
    if (FileExists(background))
        m_background->setPixmap(QPixmap(background));
    picWait->loadPicture(gSkinPath);
    picWait->centre();
    setUpGrid();
    return true;
}

void frmz문자내역::setUpGrid()
{
    SPR->SetMaxRows(0);
    SPR->SetMaxCols(4);
    SPR->SetOperationMode(GridModel::ModeSingleSelect);
    SPR->SetScrollBars(2);
    SPR->SetRowHeight(-1, 39 * gTwipsY);
    SPR->SetRowHeight(0, 25 * gTwipsY);
    for (int row : {-1, 0}) {
        SPR->SetRow(row);
        for (int col : {-1, 0}) {
            SPR->SetCol(col);
            SPR->SetFontSize(10);
        }
    }
    SPR->SetCol(1);
    SPR->SetColHidden(true);
    const QStringList headers{"NO", "AN", "수신자", "날짜", "문자내용"};
    const std::array<int, 5> widths{45, 50, 110, 150, 493};
    for (int col = 0; col <= 4; ++col) {
        SPR->SetText(col, 0, headers[col]);
        SPR->SetColWidth(col, widths[col] * gTwipsX);
    }
    SpreadSetCellType(SPR, 1, 4, QString());
    SpreadSetCellType(SPR, 2, 4, QString());
    SpreadSetCellType(SPR, 3, 4, QString());
    SpreadSetCellType(SPR, 4, 3, QString());
    스프레드_색상초기화7(SPR);
    SetHeaderRowOwnerDrawn(*SPR, 4);
    SPR->SetCol(2);
}

void frmz문자내역::Form_Activate()
{
    QPointer<frmz문자내역> self(this);
    QCoreApplication::processEvents();
    if (!self)
        return;
    repaint();
    if (!m_FirstActivated) {
        Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Quit"));
        return;
    }
    Trace(kWindow, QStringLiteral("Form_Activate"), QStringLiteral("Enter"));
    m_FirstActivated = false;
    picWait->showBeforeRequest();
    if (!self)
        return;
    Load_문자내역(0);
    if (self)
        picWait->hide();
}

QString frmz문자내역::requestPage(int page, const QString& label)
{
    const bool all = chk전체->isChecked();
    const QString day = all ? QStringLiteral("all") : 기간[0]->date().toString(QStringLiteral("yyyy-MM-dd"));
    const QString day2 = all ? QStringLiteral("all") : 기간[1]->date().toString(QStringLiteral("yyyy-MM-dd"));
    return BackendRequest(label, QStringLiteral("/vbPHP/smsload.php"))
        .add(QStringLiteral("day"), day)
        .add(QStringLiteral("day2"), day2)
        .add(QStringLiteral("page"), QString::number(page))
        .send();
}

bool frmz문자내역::Load_문자내역(int page)
{
    QPointer<frmz문자내역> self(this);
    QString answer = requestPage(page == 0 ? 1 : page, QStringLiteral("Load_문자내역() ... "));
    if (!self)
        return false;
    if (page == 0) {
        const int pages = pageCount(answer);
        answer = requestPage(pages, QStringLiteral("Load_문자내역2() ... "));
        if (!self)
            return false;
        refillPages(pages);
    }
    fillRows(answer);
    selectFirstRow();
    return true;
}

void frmz문자내역::refillPages(int pages)
{
    m_EventPrevent = true;
    cob페이지->clear();
    for (int p = 1; p <= pages; ++p)
        cob페이지->addItem(QString::number(p) + " 페이지");
    if (pages > 0) {
        cob페이지->setCurrentIndex(pages - 1);
        ComboDisplayNo2(*this, *cob페이지, 20);
    }
    m_EventPrevent = false;
}

void frmz문자내역::fillRows(const QString& answer)
{
    const QStringList records = GetFieldValues(answer, QStringLiteral("<menubrrs>"), QStringLiteral("</menubrrs>"));
    const int count = int(records.size());
    const int first = qMax(0, cob페이지->currentIndex()) * kPageSize;
    SPR->SetReDraw(false);
    SPR->SetMaxRows(count);
    for (int k = 1; k <= count; ++k) {
        const QString& record = records[k - 1];
        SPR->SetText(0, k, QString::number(first + k));
        SPR->SetText(1, k, field(record, QStringLiteral("num")));
        SPR->SetText(2, k, recipientText(field(record, QStringLiteral("Phone"))));
        SPR->SetText(3, k, field(record, QStringLiteral("regdate")));
        SPR->SetText(4, k, messageText(field(record, QStringLiteral("MSG"))));
    }
    SPR->SetSortKey(1, 3);
    SPR->SetSortKeyOrder(1, 2);
    SPR->SortRows(-1, -1, -1, -1, 0);
    SPR->SetReDraw(true);
}

void frmz문자내역::selectFirstRow()
{
    if (SPR->MaxRows() < 1)
        return;
    SPR->SetRow(1);
    SPR->SetActiveCell(2, 1);
}

void frmz문자내역::lblTerminate_Click()
{
    UnloadForm(FormName());
}

void frmz문자내역::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    UnloadForm(FormName());
}

void frmz문자내역::cob페이지_Click()
{
    if (!m_EventPrevent)
        Load_문자내역(cob페이지->currentIndex() + 1);
}

void frmz문자내역::chk전체_Click()
{
    const bool period = !chk전체->isChecked();
    기간[0]->setEnabled(period);
    기간[1]->setEnabled(period);
}

void frmz문자내역::CMD_Click(int index)
{
    ButtonGuard guard(CMD[index], QStringLiteral("CMD"), index);
    if (!guard.passed())
        return;
    if (index == 0)
        Load_문자내역(0);
}
