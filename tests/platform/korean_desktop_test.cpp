#include "platform/file_dialog.h"
#include "platform/font_substitutes.h"
#include "platform/message_box.h"
#include "platform/qt_translation.h"
#include "support/seams.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct ShownBox {
    QStringList buttons;
    QString text;
};

// Shows a real box (not the test seam) and presses the button whose text starts with the answer
// once the box is up; returns what the box showed and the result.
int AnswerRealBox(const QString& text, int style, const QString& answer, ShownBox& shown)
{
    SetMessageBoxService(nullptr);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        shown.text = box->text();
        QAbstractButton* pressed = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            shown.buttons.append(button->text());
            if (button->text().startsWith(answer))
                pressed = button;
        }
        if (pressed)
            pressed->click();
        else
            box->done(0);
    });
    poll.start(10);
    const int result = MsgBox(text, style);
    SetMessageBoxService(&MessageBoxes());
    return result;
}

// The font families the program's sources name, as literal texts.
QSet<QString> FamiliesNamedInSources()
{
    static const QRegularExpression named(
        R"re((?:QFont\s*(?:\w+\s*)?\(|fontName\s*=\s*|setFamily\s*\(|setFontName\s*\(|setFamilies\s*\(\s*\{?)\s*)re"
        R"re((?:QStringLiteral\s*\(\s*)?"([^"]+)")re");
    QSet<QString> families;
    QDirIterator files(QStringLiteral(VMR_SOURCE_DIR), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString source = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& match : named.globalMatch(source))
            families.insert(match.captured(1));
    }
    return families;
}

bool HasHangul(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3; });
}

// The real open dialog (not the test seam) on a folder with one file: its column names and the
// file's row once the folder has been read.
struct ShownFileDialog {
    QStringList columns;
    QStringList row;
};

ShownFileDialog ShowRealOpenDialog(const QString& folder)
{
    ShownFileDialog shown;
    SetFileDialogService(nullptr);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        const QTreeView* list = dialog ? dialog->findChild<QTreeView*>(QStringLiteral("treeView")) : nullptr;
        if (!list || list->model()->rowCount(list->rootIndex()) == 0)
            return;
        poll.stop();
        const QAbstractItemModel& model = *list->model();
        for (int column = 0; column < model.columnCount(list->rootIndex()); ++column) {
            shown.columns.append(model.headerData(column, Qt::Horizontal).toString());
            shown.row.append(model.index(0, column, list->rootIndex()).data().toString());
        }
        dialog->reject();
    });
    poll.start(10);
    ShowOpenDialog(QStringLiteral("불러오기"), folder + "/", QStringLiteral("PNG|*.png"));
    SetFileDialogService(&FileDialogs());
    return shown;
}

} // namespace

TEST(KoreanDialogs, StandardButtonsReadKorean)
{
    ASSERT_TRUE(LoadQtKoreanTranslation()) << "install qt6-translations-l10n (scripts/setup.sh does)";
    ShownBox question;
    EXPECT_EQ(AnswerRealBox("종료 하시겠습니까?", MsgStyle::YesNo + MsgStyle::Question, "아니요", question),
              MsgResult::No);
    EXPECT_EQ(question.text, "종료 하시겠습니까?");
    EXPECT_EQ(question.buttons, QStringList({"예(&Y)", "아니요(&N)"}));

    ShownBox information;
    EXPECT_EQ(AnswerRealBox("저장되었습니다.", MsgStyle::OkOnly + MsgStyle::Information, "확인", information),
              MsgResult::Ok);
    EXPECT_EQ(information.buttons, QStringList({"확인"}));

    ShownBox okCancel;
    EXPECT_EQ(AnswerRealBox("삭제할까요?", MsgStyle::OkCancel, "취소", okCancel), MsgResult::Cancel);
    EXPECT_EQ(okCancel.buttons, QStringList({"확인", "취소"}));
}

TEST(KoreanFonts, EveryFamilyTheWindowsNameDrawsHangul)
{
    InstallFontSubstitutes();
    const QSet<QString> named = FamiliesNamedInSources();
    ASSERT_TRUE(named.contains("나눔고딕") && named.contains("여기어때 잘난체")) << "the source scan finds nothing";
    QStringList families(named.begin(), named.end());
    for (const FontSubstitute& entry : FontSubstitutes())
        families.append(entry.family);
    for (const QString& family : families) {
        const QFont font(family);
        const QString resolved = QFontInfo(font).family();
        EXPECT_TRUE(QFontDatabase::writingSystems(resolved).contains(QFontDatabase::Korean))
            << family.toStdString() << " resolves to " << resolved.toStdString();
        EXPECT_TRUE(QRawFont::fromFont(font).supportsCharacter(QChar(0xAC00)))
            << family.toStdString() << " resolves to " << resolved.toStdString();
    }
}

TEST(KoreanDialogs, PickerCalendarsAndTheFileDialogWriteKoreanDates)
{
    ASSERT_TRUE(LoadQtKoreanTranslation());
    UseKoreanLocale();
    QDateEdit picker(QDate(2026, 5, 13));
    picker.setCalendarPopup(true);
    QCalendarWidget& calendar = *picker.calendarWidget();
    calendar.show();
    EXPECT_EQ(calendar.findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"))->text(), "5월");
    const QAbstractItemModel& days = *calendar.findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))->model();
    QStringList names;
    for (int column = 0; column < days.columnCount(); ++column)
        names.append(days.index(0, column).data().toString());
    names.removeAll(QString());
    names.sort();
    EXPECT_EQ(names, QStringList({"금", "목", "수", "월", "일", "토", "화"}));

    QTemporaryDir folder;
    QFile picture(folder.filePath(QStringLiteral("menu.png")));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();
    const ShownFileDialog shown = ShowRealOpenDialog(folder.path());
    ASSERT_EQ(shown.columns.size(), 4) << shown.columns.join(", ").toStdString();
    for (const QString& column : shown.columns)
        EXPECT_TRUE(HasHangul(column)) << column.toStdString();
    EXPECT_EQ(shown.row.value(0), "menu.png");
    EXPECT_TRUE(shown.row.value(3).contains("오전") || shown.row.value(3).contains("오후")) << shown.row.value(3).toStdString();
}
