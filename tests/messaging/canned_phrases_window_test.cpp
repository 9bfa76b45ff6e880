#include "window_support/window_fixture.h"

#include "core/login_values.h"
#include "messaging/canned_phrases_window.h"
#include "support/seams.h"

#include <QMouseEvent>
#include <QTest>

namespace {

const QString kLoad = QStringLiteral("/program/commentloading.php");
const QString kSave = QStringLiteral("/program/commentsave.php");

class CannedPhrases : public WindowTest
{
protected:
    // Opened as the reservation settings window opens it, but modeless.
    frmzComment& open(const QString& answer = QString())
    {
        if (!answer.isNull())
            backend->script(kLoad, StandinReply::text(answer));
        main();
        frmzComment::m_Caller = QStringLiteral("예약");
        frmzComment& window = Form<frmzComment>();
        window.setWindowTitle(QStringLiteral("상용구 (수락/거절)"));
        ShowFormModeless(window);
        return window;
    }

    static void click(QWidget* widget, const QPoint& at = QPoint()) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }
    static void select(frmzComment& window, int row)
    {
        click(window.L1->viewport(), window.L1->visualItemRect(window.L1->item(row)).center());
    }
    QString saveBody(const QString& list) const
    {
        return "ID=" + gShopID + "&PassWord=" + gShopPW + "&selectText=예약&commentText=" + list;
    }
};

TEST_F(CannedPhrases, TheLoadFetchesTheCategoryAndReadsEveryItem)
{
    frmzComment& window = open();
    EXPECT_EQ(bodiesTo(kLoad), QStringList{"ID=" + gShopID + "&PassWord=" + gShopPW + "&selectText=예약"});
    EXPECT_EQ(window.phrases().size(), 4);
    EXPECT_EQ(window.phrases()[1], "죄송합니다. 요청하신 시간에는 자리가 없습니다.\r\n다른 시간을 말씀해 주세요.");
    EXPECT_EQ(window.lblTitle->text(), "상용구 관리");
    EXPECT_EQ(window.windowTitle(), "상용구 (수락/거절)");
    EXPECT_FALSE(window.Frame1->isEnabled());
    UnloadAllForms();

    struct Case {
        QString answer;
        QStringList phrases;
    };
    const QList<Case> cases{
        {"<text>가</text><text></text><text>다</text>", {"가", "", "다"}},
        {"<text>가<text>나</text>", {"가", "나"}},
        {"저장된 상용구 없음", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(open(c.answer).phrases(), c.phrases) << c.answer.toStdString();
        UnloadAllForms();
    }
}

TEST_F(CannedPhrases, UpAndDownMoveTheSelectedPhrase)
{
    frmzComment& window = open("<text>A</text><text>B</text><text>C</text>");
    click(window.CMD[0]);
    EXPECT_EQ(window.Text2->text(), "A") << "with nothing selected, up only selects the first";
    EXPECT_EQ(window.phrases(), (QStringList{"A", "B", "C"}));
    click(window.CMD[0]);
    EXPECT_EQ(window.phrases(), (QStringList{"A", "B", "C"}));

    select(window, 2);
    click(window.CMD[1]);
    EXPECT_EQ(window.phrases(), (QStringList{"A", "B", "C"}));
    click(window.CMD[0]);
    EXPECT_EQ(window.phrases(), (QStringList{"A", "C", "B"}));
    EXPECT_EQ(window.L1->row(window.L1->selectedItems().value(0)), 1);
    EXPECT_EQ(window.Label2->text(), "C");
    EXPECT_EQ(window.Text2->text(), "C");
    window.Text2->setText("C2");
    click(window.CMD[3]);
    EXPECT_EQ(window.phrases(), (QStringList{"A", "C2", "B"}));

    // A double click is one click and a double click: the phrase moves once.
    select(window, 2);
    doubleClick(window.CMD[0]);
    EXPECT_EQ(window.phrases(), (QStringList{"A", "B", "C2"}));
    UnloadAllForms();

    frmzComment& two = open("<text>A</text><text>B</text>");
    click(two.CMD[1]);
    EXPECT_EQ(two.phrases(), (QStringList{"B", "A"}));
    EXPECT_EQ(two.L1->row(two.L1->selectedItems().value(0)), 1);
}

TEST_F(CannedPhrases, AddAndModifyRefuseAnEmptyBoxAndAcceptBlanksAndRepeats)
{
    frmzComment& window = open("<text>A</text>");
    click(window.CMD[2]);
    EXPECT_EQ(MessageBoxes().texts(), QStringList{"빈 상용구는 추가가 불가능합니다!"});
    for (const QString& text : {QString("  "), QString("두\r\n줄"), QString("두\r\n줄")}) {
        window.Text1->setText(text);
        click(window.CMD[2]);
    }
    EXPECT_EQ(window.phrases(), (QStringList{"A", "  ", "두\r\n줄", "두\r\n줄"}));
    EXPECT_TRUE(window.Text1->text().isEmpty());

    select(window, 0);
    EXPECT_TRUE(window.Frame1->isEnabled());
    window.Text2->clear();
    click(window.CMD[3]);
    EXPECT_EQ(MessageBoxes().texts().last(), "빈 상용구는 수정이 불가능합니다!");
    EXPECT_EQ(window.phrases().first(), "A");
}

TEST_F(CannedPhrases, ADeletionAsksFirstAndLeavesNothingToModify)
{
    frmzComment& window = open("<text>A</text><text>B</text><text>C</text>");
    select(window, 1);
    MessageBoxes().answer(MsgResult::No);
    doubleClick(window.L1->viewport(), window.L1->visualItemRect(window.L1->item(1)).center());
    EXPECT_EQ(window.phrases(), (QStringList{"A", "B", "C"}));

    doubleClick(window.L1->viewport(), window.L1->visualItemRect(window.L1->item(1)).center());
    EXPECT_EQ(MessageBoxes().texts(), (QStringList{"상용구를 삭제하시겠습니까?", "상용구를 삭제하시겠습니까?"}));
    EXPECT_EQ(MessageBoxes().shown()[0].style, MsgStyle::YesNo);
    EXPECT_EQ(window.phrases(), (QStringList{"A", "C"}));
    EXPECT_TRUE(window.L1->selectedItems().isEmpty());
    EXPECT_TRUE(window.Text2->text().isEmpty());
    EXPECT_TRUE(window.Label2->text().isEmpty());

    EXPECT_FALSE(window.Frame1->isEnabled());
    window.Text2->setText("X");
    window.CMD_Click(3);
    EXPECT_EQ(window.phrases(), (QStringList{"A", "C"}));
    EXPECT_TRUE(mainLog().contains("frmzCommentLoading→CMD_Click Disabled ... Quit"));
}

TEST_F(CannedPhrases, EveryCloseStoresTheListOnce)
{
    frmzComment& window = open("<text>A</text>");
    window.Text1->setText("두\r\n줄");
    click(window.CMD[2]);
    window.Text1->setText("A&B+C 100%");
    click(window.CMD[2]);
    click(window.lblTerminate);
    QCoreApplication::processEvents();
    EXPECT_EQ(bodiesTo(kSave), QStringList{saveBody("<text>A</text><text>두\r\n줄</text><text>A%26B%2BC 100%25</text>")});
    EXPECT_FALSE(IsFormLoaded("frmzComment"));
    EXPECT_EQ(backend.shop().phrases.value("예약"), (QStringList{"A", "두\r\n줄", "A&B+C 100%"}));
    EXPECT_TRUE(httpLog().contains("Save_상용구() ... ResponseStr:\r\n저장 성공"));

    backend->clearRequests();
    open().close();
    EXPECT_EQ(bodiesTo(kSave).size(), 1) << "the window manager's close stores unchanged lists too";

    backend->clearRequests();
    QTest::keyClick(&open(), Qt::Key_Escape);
    EXPECT_EQ(bodiesTo(kSave).size(), 1);
    EXPECT_FALSE(IsFormLoaded("frmzComment"));
}

TEST_F(CannedPhrases, AListThatNeverLoadedIsNotStoredUnlessChanged)
{
    open("").close();
    EXPECT_TRUE(bodiesTo(kSave).isEmpty());
    EXPECT_EQ(mainLog().filter("frmzCommentLoading→Save_상용구").size(), 1);

    frmzComment& window = open("");
    window.Text1->setText("새 문구");
    click(window.CMD[2]);
    window.close();
    EXPECT_EQ(bodiesTo(kSave), QStringList{saveBody("<text>새 문구</text>")});
}

TEST_F(CannedPhrases, DraggingTheBackgroundMovesTheWindow)
{
    frmzComment& window = open();
    const QPoint start = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(300, 520));
    QMouseEvent move(QEvent::MouseMove, QPointF(340, 500), window.mapToGlobal(QPointF(340, 500)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(340, 500));
    EXPECT_EQ(window.pos(), start + QPoint(40, -20));
}

} // namespace
