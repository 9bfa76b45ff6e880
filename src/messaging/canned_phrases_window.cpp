#include "messaging/canned_phrases_window.h"

#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/file_exists.h"
#include "core/log.h"
#include "core/screen_values.h"
#include "platform/message_box.h"
#include "platform/panel_button_look.h"
#include "platform/pop_up.h"
#include "platform/window_effects.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace {

const QString kLogName = QStringLiteral("frmzCommentLoading");
const QColor kBlue(0, 141, 238);
constexpr int kPhraseRole = Qt::UserRole;

QString shown(const QString& phrase)
{
    return QString(phrase).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmzComment::frmzComment() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("상용구 관리"));
    buildControls();
}

void frmzComment::buildControls()
{
    m_background = new QLabel(this);
    m_background->setGeometry(0, 0, 670, 710);
    m_background->setAttribute(Qt::WA_TransparentForMouseEvents);

    lblTitle = NewTitleLabel(this, QRect(13, 2, 400, 36));
    lblTerminate = NewCloseLabel(this, QRect(610, 0, 60, 40));
    QObject::connect(lblTerminate, &PictureLabel::clicked, this, [this] { lblTerminate_Click(); });

    L1 = new QListWidget(this);
    L1->setObjectName(QStringLiteral("L1"));
    L1->setGeometry(20, 60, 555, 330);
    L1->setWordWrap(true);
    QObject::connect(L1, &QListWidget::itemSelectionChanged, this, [this] { L1_Click(); });
    QObject::connect(L1, &QListWidget::itemClicked, this, [this] { L1_Click(); });
    QObject::connect(L1, &QListWidget::itemDoubleClicked, this, [this] { L1_DblClick(); });

    Text1 = new CrLfTextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(20, 405, 495, 110);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    Frame1 = new QGroupBox(QStringLiteral(" 수정 "), this);
    Frame1->setGeometry(20, 530, 630, 160);
    Label2 = new QLabel(Frame1);
    Label2->setGeometry(15, 25, 600, 55);
    Label2->setWordWrap(true);
    Text2 = new QLineEdit(Frame1);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(15, 95, 460, 40);

    const std::array<QString, 4> captions{QStringLiteral("▲"), QStringLiteral("▼"), QStringLiteral("등록하기"),
                                          QStringLiteral("수정하기")};
    const std::array<QRect, 4> places{QRect(590, 60, 60, 60), QRect(590, 130, 60, 60), QRect(530, 405, 120, 110),
                                      QRect(490, 85, 125, 55)};
    for (int i = 0; i < 4; ++i) {
        CMD[i] = new PanelButton(i == 3 ? static_cast<QWidget*>(Frame1) : this, i);
        CMD[i]->setCaption(captions[i]);
        CMD[i]->setGeometry(places[i]);
        QObject::connect(CMD[i], &PanelButton::clicked, this, [this, i] { CMD_Click(i); });
    }
}

void frmzComment::Form_Load()
{
    resize(670, 710);
    CenterOnMainWindow(*this);
    FormRound(*this, 11);
    const QString background = gSkinPath + "/0401a.gif";
    if (FileExists(background))
        m_background->setPixmap(QPixmap(background));
    lblTitle->setText(QStringLiteral("상용구 관리"));
    for (PanelButton* button : CMD)
        GiveSwappingLook(*button, kBlue);
    Frame1->setEnabled(false);
    Load_상용구();
}

void frmzComment::Form_Activate()
{
    QPointer<frmzComment> self(this);
    QCoreApplication::processEvents();
    if (self)
        repaint();
}

void frmzComment::Load_상용구()
{
    QPointer<frmzComment> self(this);
    L1->clear();
    const QString answer = BackendRequest(QStringLiteral("Load_상용구() ... "), QStringLiteral("/program/commentloading.php"))
                               .add(QStringLiteral("selectText"), m_Caller)
                               .send();
    if (!self)
        return;
    m_loaded = !answer.isEmpty();
    for (const QString& phrase : GetFieldValues(answer, QStringLiteral("<text>"), QStringLiteral("</text>")))
        addPhrase(phrase);
}

// A load that brought nothing cannot be told from an empty category, so an unchanged list is not
// stored over the shop's phrases then.
void frmzComment::Save_상용구()
{
    if (!m_loaded && !m_changed) {
        WriteLog(kLogName + "→Save_상용구 불러오기 응답이 없고 변경도 없어 저장하지 않음");
        return;
    }
    QString list;
    for (const QString& phrase : phrases())
        list += "<text>" + phrase + "</text>";
    BackendRequest(QStringLiteral("Save_상용구() ... "), QStringLiteral("/program/commentsave.php"))
        .add(QStringLiteral("selectText"), m_Caller)
        .add(QStringLiteral("commentText"), list)
        .send();
}

void frmzComment::Form_Unload()
{
    Save_상용구();
}

QStringList frmzComment::phrases() const
{
    QStringList list;
    for (int row = 0; row < L1->count(); ++row)
        list.append(L1->item(row)->data(kPhraseRole).toString());
    return list;
}

void frmzComment::addPhrase(const QString& phrase)
{
    auto* item = new QListWidgetItem(shown(phrase));
    item->setData(kPhraseRole, phrase);
    L1->addItem(item);
}

int frmzComment::selectedRow() const
{
    const QList<QListWidgetItem*> selected = L1->selectedItems();
    return selected.isEmpty() ? -1 : L1->row(selected.first());
}

void frmzComment::L1_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString phrase = L1->item(row)->data(kPhraseRole).toString();
    Frame1->setEnabled(true);
    Label2->setText(shown(phrase));
    Text2->setText(phrase);
    m_EditIndex = row;
}

void frmzComment::selectRow(int row)
{
    if (selectedRow() == row)
        L1_Click();
    else
        L1->setCurrentRow(row);
}

void frmzComment::L1_DblClick()
{
    QPointer<frmzComment> self(this);
    if (MsgBox(QStringLiteral("상용구를 삭제하시겠습니까?"), MsgStyle::YesNo) != MsgResult::Yes || !self)
        return;
    const int row = selectedRow();
    if (row >= 0) {
        delete L1->takeItem(row);
        m_changed = true;
    }
    L1->clearSelection();
    clearBoxes();
    Frame1->setEnabled(false);
    m_EditIndex = -1;
}

void frmzComment::CMD_Click(int index)
{
    if (!CMD[index]->isEnabled()) {
        WriteLog(kLogName + "→CMD_Click Disabled ... Quit");
        return;
    }
    switch (index) {
    case 0:
        moveSelected(-1);
        break;
    case 1:
        moveSelected(1);
        break;
    case 2:
        add();
        break;
    case 3:
        modify();
        break;
    }
}

// Up (-1) or down (1): with nothing selected the first phrase is selected first; "▲" stops there.
void frmzComment::moveSelected(int step)
{
    if (L1->count() == 0)
        return;
    if (selectedRow() < 0) {
        selectRow(0);
        if (step < 0)
            return;
    }
    const int row = selectedRow();
    const int target = row + step;
    if (target < 0 || target >= L1->count())
        return;
    QListWidgetItem* item = L1->takeItem(row);
    L1->insertItem(target, item);
    m_changed = true;
    selectRow(target);
}

void frmzComment::add()
{
    const QString phrase = Text1->text();
    if (phrase.isEmpty()) {
        MsgBox(QStringLiteral("빈 상용구는 추가가 불가능합니다!"), MsgStyle::OkOnly);
        return;
    }
    addPhrase(phrase);
    m_changed = true;
    clearBoxes();
}

void frmzComment::modify()
{
    const QString phrase = Text2->text();
    if (phrase.isEmpty()) {
        MsgBox(QStringLiteral("빈 상용구는 수정이 불가능합니다!"), MsgStyle::OkOnly);
        return;
    }
    if (m_EditIndex < 0 || m_EditIndex >= L1->count())
        return;
    QListWidgetItem* item = L1->item(m_EditIndex);
    item->setText(shown(phrase));
    item->setData(kPhraseRole, phrase);
    m_changed = true;
    clearBoxes();
}

void frmzComment::clearBoxes()
{
    Text1->setText(QString());
    Text2->clear();
    Label2->clear();
}

void frmzComment::lblTerminate_Click()
{
    UnloadForm(FormName());
}

void frmzComment::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    UnloadForm(FormName());
}

void frmzComment::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmzComment::mousePressEvent(QMouseEvent* event)
{
    m_drag.press(*this, event->globalPosition().toPoint());
}

void frmzComment::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.move(event->globalPosition().toPoint());
}

void frmzComment::mouseReleaseEvent(QMouseEvent*)
{
    m_drag.release();
}
