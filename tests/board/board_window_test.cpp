#include "board/board_fixture.h"

#include "board/board_globals.h"
#include "support/qt_printers.h"

#include "core/log.h"
#include "core/screen_values.h"

#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QTest>

namespace {

const QString kLoadEnter = QStringLiteral("  [frmB예약관리→Form_Load] Enter");
const QString kActivateEnter = QStringLiteral("  [frmB예약관리→Form_Activate] Enter");
const QString kActivateQuit = QStringLiteral("  [frmB예약관리→Form_Activate] Quit");

void focusIn(QWidget* box)
{
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &event);
}

void focusOut(QWidget* box)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &event);
}

QColor textColor(const QWidget* box)
{
    return box->palette().color(QPalette::Text);
}

QColor backColor(const QWidget* box)
{
    return box->palette().color(QPalette::Base);
}

QImage imageOf(const QLabel* label)
{
    return label->pixmap().toImage();
}

using BoardWindow = BoardTest;

TEST_F(BoardWindow, LoadAndFirstActivationSetUpToday)
{
    frmB예약관리& board = open();
    EXPECT_EQ(log().filter("frmB예약관리→"), QStringList({kLoadEnter, kActivateEnter}));
    EXPECT_FALSE(board.m_FirstActivated);
    EXPECT_FALSE(board.m_EventPrevent);
    EXPECT_EQ(board.size(), QSize(1022, 654));
    EXPECT_EQ(board.currDate, QDate(2024, 5, 7));
    EXPECT_EQ(board.currTimeT, "14:25");
    EXPECT_EQ(board.sprCAL->Tag(), "2024-05-07");
    EXPECT_EQ(board.sspDay->tag(), "2024-05-07");
    EXPECT_EQ(board.sspDay->text(), "05.07(화)");
    EXPECT_EQ(board.sspMonth->text(), "2024년 5월");
    EXPECT_EQ(board.mListDay[0], QDate(2024, 5, 7));
    EXPECT_EQ(board.mListDay[1], QDate(2024, 5, 7));
    EXPECT_TRUE(board.picLayer[0]->isVisible());
    EXPECT_EQ(board.sprGraph[0]->MaxRows(), 4);
    EXPECT_TRUE(board.Close->isActive());
    EXPECT_EQ(board.Close->interval(), 250);
    EXPECT_FALSE(board.Blink->isActive());
    EXPECT_EQ(board.Blink->interval(), 500);
    EXPECT_FALSE(board.picDummy->isVisible());
    EXPECT_TRUE(board.lb건수->text().startsWith("전체: "));
    EXPECT_TRUE(board.picFrame[0]->isVisible());
    EXPECT_FALSE(board.picFrame[1]->isVisible());
    EXPECT_FALSE(board.picFrame[2]->isVisible());

    // A later activation without a request changes nothing.
    board.currDate = QDate(2024, 6, 1);
    ActivateForm(board);
    EXPECT_EQ(log().filter("frmB예약관리→").last(), kActivateQuit);
    EXPECT_EQ(board.currDate, QDate(2024, 6, 1));

    // The board button again: while the board stays in front the request waits; when the board
    // becomes active again, back to today in the time-slot view.
    board.시간대_리스트_토글(1);
    board.sprCAL->SetTag("2024-06-01");
    clock->set(QDateTime(QDate(2024, 5, 8), QTime(9, 30)));
    board.m_FirstActivated = true;
    ShowFormModeless(board);
    EXPECT_EQ(board.currDate, QDate(2024, 6, 1));
    ActivateForm(board);
    EXPECT_EQ(board.currDate, QDate(2024, 5, 8));
    EXPECT_EQ(board.sprCAL->Tag(), "2024-05-08");
    EXPECT_EQ(board.currTimeT, "09:30");
    EXPECT_TRUE(board.picLayer[0]->isVisible());
}

TEST_F(BoardWindow, ScaleSettingReadAtLoad)
{
    const struct {
        QByteArray stored;
        int scale;
        bool errorLine;
    } cases[] = {{"", 1, false}, {"[SET]\r\nSchScaleKind=0\r\n", 0, false}, {"[SET]\r\nSchScaleKind=2\r\n", 2, false},
                 {"[SET]\r\nSchScaleKind=abc\r\n", 1, true}};
    for (const auto& c : cases) {
        program.write("Frshop.cfg", c.stored);
        gSchScaleKind = 7;
        frmB예약관리& board = load();
        EXPECT_EQ(gSchScaleKind, c.scale) << c.stored.constData();
        EXPECT_EQ(log().filter("e)frmB예약관리->Form_Load[Erl:=6, Eno:=13]").size(), c.errorLine ? 1 : 0);
        // The load went on: the placeholders are in.
        EXPECT_EQ(board.txtS[0]->text(), "번호를 입력하세요");
        UnloadForm(frmB예약관리::FormName());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile::remove(program.file(QFileInfo(LogFilePath()).fileName()));
    }
}

TEST_F(BoardWindow, PlaceholdersOnFocus)
{
    frmB예약관리& board = load();
    PlaceholderBox* search = board.txtS[0];
    EXPECT_EQ(search->toolTip(), "번호를 입력하세요");
    EXPECT_EQ(textColor(search), QColor(224, 224, 224));
    focusIn(search);
    EXPECT_EQ(search->text(), "");
    EXPECT_EQ(textColor(search), QColor(Qt::black));
    focusOut(search);
    EXPECT_EQ(search->text(), "번호를 입력하세요");
    EXPECT_EQ(textColor(search), QColor(224, 224, 224));

    PlaceholderBox* name = board.txtA[0];
    EXPECT_EQ(name->text(), "이름 입력하세요");
    focusIn(name);
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(textColor(name), QColor(Qt::black));
    name->setText("홍길동");
    focusOut(name);
    EXPECT_EQ(name->text(), "홍길동");
    EXPECT_EQ(textColor(name), QColor(122, 122, 122));
    name->setText("이름 입력하세요");
    focusIn(name);
    EXPECT_EQ(name->text(), "");

    PlaceholderBox* phone = board.txtA[1];
    EXPECT_EQ(phone->text(), "휴대번호 입력");
    const struct {
        bool locked;
        QColor focusBack, leftText;
    } phones[] = {{false, QColor(255, 255, 192), QColor(122, 122, 122)}, {true, QColor(224, 224, 224), QColor(37, 103, 182)}};
    for (const auto& c : phones) {
        phone->setReadOnly(c.locked);
        focusIn(phone);
        EXPECT_EQ(backColor(phone), c.focusBack) << c.locked;
        EXPECT_EQ(textColor(phone), QColor(Qt::black));
        focusOut(phone);
        EXPECT_EQ(textColor(phone), c.leftText) << c.locked;
        EXPECT_EQ(phone->text(), "휴대번호 입력");
    }

    CrLfTextBox* memo = board.txtA2[0];
    EXPECT_EQ(memo->text(), "요청사항 입력하세요");
    focusIn(memo);
    EXPECT_EQ(memo->text(), "");
    EXPECT_EQ(backColor(memo), QColor(255, 255, 192));
    EXPECT_EQ(memo->frameShape(), QFrame::Box);
    focusOut(memo);
    EXPECT_EQ(memo->text(), "요청사항 입력하세요");
    EXPECT_EQ(backColor(memo), QColor(242, 242, 242));
    EXPECT_EQ(textColor(memo), QColor(0, 112, 192));
    EXPECT_EQ(memo->frameShape(), QFrame::NoFrame);
}

TEST_F(BoardWindow, CautionMarkFlips)
{
    frmB예약관리& board = load();
    PictureLabel* mark = board.picA[0];
    ASSERT_EQ(board.ImgBtn.Count(), 4);
    EXPECT_EQ(mark->tag(), "");
    const std::pair<QString, int> steps[] = {{"N", 1}, {"Y", 2}, {"N", 1}};
    for (const auto& [tag, picture] : steps) {
        QTest::mouseClick(mark, Qt::LeftButton);
        EXPECT_EQ(mark->tag(), tag);
        EXPECT_EQ(imageOf(mark), board.ImgBtn.Item(picture).toImage());
    }
}

TEST_F(BoardWindow, MissingCheckPictureShiftsTheOthers)
{
    QDir(gSkinPath).removeRecursively();
    CopySkinWithout(gSkinPath, {"btnD02.gif"});
    frmB예약관리& board = load();
    EXPECT_EQ(board.ImgBtn.Count(), 3);
    EXPECT_EQ(board.ImgBtn.Item(2).toImage(), QImage(gSkinPath + "/btnD03.gif").convertToFormat(board.ImgBtn.Item(2).toImage().format()));
    QTest::mouseClick(board.picA[0], Qt::LeftButton);
    QTest::mouseClick(board.picA[0], Qt::LeftButton);
    EXPECT_EQ(imageOf(board.picA[0]), board.ImgBtn.Item(2).toImage());
}

TEST_F(BoardWindow, ButtonLooks)
{
    frmB예약관리& board = load();
    for (PanelButton* button : board.CMD) {
        const int i = button->index();
        const QColor blue = i == 18 || i == 19 ? QColor(79, 129, 189) : QColor(0, 141, 238);
        EXPECT_EQ(button->corner(), 3) << i;
        EXPECT_EQ(button->frameColor(), blue) << i;
        if (i == 9) {
            EXPECT_EQ(button->caption(), "");
            EXPECT_EQ(button->frameLine(), 0);
            continue;
        }
        EXPECT_EQ(button->faceColor(), blue) << i;
        EXPECT_EQ(button->textColor(), QColor(Qt::white)) << i;
        EXPECT_EQ(button->frameLine(), 3) << i;
    }
}

TEST_F(BoardWindow, GridSetUps)
{
    frmB예약관리& board = load();
    const struct {
        SpreadGrid* grid;
        int cols, scrollBars;
        double font;
        QStringList headers;
        QList<int> hidden;
    } lists[] = {
        {board.SPR[0], 15, 3, 10, {"", "", "예약일시", "예약자", "모임명", "연락처", "접수", "좌석", "인원", "예약상품", "상태", "예약일시2", "연락처2", "담당자", "요청사항", "좌석2"}, {1, 11, 12, 13, 14, 15}},
        {board.SPR[1], 6, 3, 12, {"순번", "", "시간", "연락처", "상태", "생성일자", "선택"}, {1, 4, 5, 6}},
        {board.SPR[2], 13, 2, 12, {"", "", "예약일시", "예약자", "모임명", "좌석", "인원", "접수", "담당자", "요청사항", "예약상품", "상태", "예약일시2", "좌석2"}, {1, 3, 7, 8, 9, 10, 11, 12, 13}},
        {board.SPR[3], 6, 2, 12, {"NO", "AN", "휴대폰", "이름", "생일", "성별", "메모"}, {1, 4, 5, 6}},
    };
    for (const auto& l : lists) {
        SpreadGrid& g = *l.grid;
        EXPECT_EQ(g.MaxRows(), 0);
        EXPECT_EQ(g.MaxCols(), l.cols);
        EXPECT_EQ(g.OperationMode(), 3);
        EXPECT_EQ(g.ScrollBars(), l.scrollBars);
        EXPECT_EQ(g.RowHeight(0), 30 * 15);
        for (int c = 0; c <= l.cols; ++c) {
            EXPECT_EQ(g.GetText(c, 0), l.headers[c]) << c;
            g.SetCol(c);
            g.SetRow(-1);
            EXPECT_EQ(g.ColHidden(), l.hidden.contains(c)) << c;
            g.SetRow(0);
            EXPECT_EQ(g.CellType(), GridCellType::OwnerDrawn) << c;
            EXPECT_EQ(g.FontSize(), l.font) << c;
        }
    }
    EXPECT_EQ(board.SPR[0]->ColWidth(11), 110 * 15);
    board.SPR[3]->SetCol(6);
    board.SPR[3]->SetRow(-1);
    EXPECT_EQ(board.SPR[3]->TypeHAlign(), GridAlign::Left);

    SpreadGrid& graph = *board.sprGraph[0];
    EXPECT_EQ(graph.MaxCols(), 1);
    EXPECT_EQ(graph.ColsFrozen(), 1);
    EXPECT_EQ(graph.OperationMode(), 1);
    EXPECT_EQ(graph.TextTipDelay(), 250);
    EXPECT_EQ(graph.TextTipAppearance().fontSize, 12);
    EXPECT_FALSE(graph.TextTipAppearance().bold);
    EXPECT_EQ(graph.TextTipAppearance().backColor, OleColor(VbRGB(255, 255, 0)));
}

TEST_F(BoardWindow, WideBoardGetsLargerTimetableFonts)
{
    gMDIClientW = 1024 * 15;
    frmB예약관리& board = load();
    EXPECT_EQ(board.sprGraph[0]->TextTipAppearance().fontSize, 14);
    EXPECT_TRUE(board.sprGraph[0]->TextTipAppearance().bold);
    board.sprGraph[0]->SetCol(-1);
    board.sprGraph[0]->SetRow(-1);
    EXPECT_EQ(board.sprGraph[0]->FontSize(), 10);
}

TEST_F(BoardWindow, ViewToggleAndScale)
{
    frmB예약관리& board = open();
    board.시간대_리스트_토글(0);
    EXPECT_FALSE(board.picLayer[0]->isVisible());
    board.sprGraph[0]->SetMaxRows(0);
    board.시간대_리스트_토글(1);
    EXPECT_EQ(board.sprGraph[0]->MaxRows(), 0);
    EXPECT_TRUE(board.시간대_리스트_토글(5));
    EXPECT_FALSE(board.picLayer[0]->isVisible());
    board.시간대_리스트_토글(0);
    EXPECT_TRUE(board.picLayer[0]->isVisible());
    EXPECT_EQ(board.sprGraph[0]->MaxRows(), 4);

    gSchScaleKind = 0;
    board.DrawShedule();
    const double fixedWidth = board.sprGraph[0]->ColWidth(2);
    QTest::mouseClick(board.imgCMD, Qt::LeftButton);
    EXPECT_EQ(gSchScaleKind, 1);
    EXPECT_TRUE(program.read("Frshop.cfg").contains("SchScaleKind=1"));
    EXPECT_LT(board.sprGraph[0]->ColWidth(2), fixedWidth);
    QTest::mouseClick(board.imgCMD, Qt::LeftButton);
    EXPECT_EQ(gSchScaleKind, 0);
    EXPECT_EQ(board.sprGraph[0]->ColWidth(2), fixedWidth);

    UnloadForm(frmB예약관리::FormName());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    gSchScaleKind = 1;
    load();
    EXPECT_EQ(gSchScaleKind, 0);
}

} // namespace
