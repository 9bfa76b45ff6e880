#include "customer/member_answers.h"

#include "platform/vb_color.h"

#include <gtest/gtest.h>

namespace {

TEST(MemberAnswers, MemberListReadsEveryRecordAndEmptiesMissingFields)
{
    const QString answer = " totalcount[2]totalcount <menubrrs> num[9001]num  name[김민수]name  phone[010-7841-1465]phone "
                           " birthday[1985-03-14]birthday  sex[남]sex  memo[창가]memo <menubrrs> num[9002]num  name[이지우]name ";
    const auto members = ReadMemberList(answer);
    ASSERT_EQ(members.size(), 2);
    EXPECT_EQ(members[0].num, "9001");
    EXPECT_EQ(members[0].memo, "창가");
    EXPECT_EQ(members[1].name, "이지우");
    EXPECT_EQ(members[1].phone, "");
    EXPECT_EQ(members[1].memo, "");
    EXPECT_EQ(MemberListPhone("01078411465"), "010-7841-1465");
    EXPECT_EQ(MemberListPhone("12345"), "");
}

TEST(MemberAnswers, DetailReadsTheTemporaryNameLevelNumberAndFlags)
{
    const QString answer = " names[임시]names  name2[ 윤서아 ]name2  phone[010-5283-9724]phone  memo[a!줄바꿈!b]memo "
                           " level[VIP]level  levelfrozen[N]levelfrozen <level> levelnum[1]levelnum  levelname[일반]levelname "
                           "</level><level> levelnum[3]levelnum  levelname[VIP]levelname </level> deny[Y]deny "
                           " add_phone1[02-555-1234]add_phone1 ";
    const auto member = ReadMemberDetail(answer);
    ASSERT_TRUE(member);
    EXPECT_EQ(member->name, "윤서아");
    EXPECT_EQ(member->name2, " 윤서아 ");
    EXPECT_EQ(member->phoneDigits, "01052839724");
    EXPECT_EQ(member->memo, "a\r\nb");
    EXPECT_EQ(member->levelNum, "3");
    EXPECT_EQ(member->deny, "Y");
    EXPECT_EQ(member->careful, "N");
    EXPECT_EQ(member->snsI, "N");
    EXPECT_EQ(member->addPhone1, "02-555-1234");

    EXPECT_FALSE(ReadMemberDetail(" names[]names "));
    EXPECT_FALSE(ReadMemberDetail(""));
    EXPECT_EQ(ReadMemberDetail(" names[임시]names ")->name, "임시");
    EXPECT_EQ(ReadMemberDetail(" names[임시]names  name2[]name2 ")->name, "");
}

TEST(MemberAnswers, CarsNeedTheCompletionWord)
{
    const auto cars = ReadMemberCars("완료numb[501]numb carnumber[12가3456]carnumber numb[]numb carnumber[9]carnumber ");
    ASSERT_TRUE(cars);
    ASSERT_EQ(cars->size(), 2);
    EXPECT_EQ((*cars)[0].number, "501");
    EXPECT_EQ((*cars)[0].carNumber, "12가3456");
    EXPECT_EQ((*cars)[1].number, "");
    EXPECT_FALSE(ReadMemberCars("실패"));
    EXPECT_TRUE(ReadMemberCars("완료")->isEmpty());
}

QString historyRecord(const QString& state, const QString& tables, const QString& person, const QString& date = "2024-05-03 18:30")
{
    return "zzim_num[7]zzim_num  zzim_regdate[" + date + "]zzim_regdate  zzim_request[김]zzim_request "
           " zzim_oz[%EB%AA%A8%EC%9E%84]requestoz  zzim_table[" + tables + "]zzim_table  zzim_APP[수기입력]zzim_APP "
           " zzim_state[" + state + "]zzim_state  zzim_person[" + person + "]zzim_person ";
}

TEST(MemberAnswers, HistoryCountersCellsAndLooks)
{
    const QString answer = " totalcount[2500]totalcount  totalpersoncount[0]totalpersoncount "
                           " recentzzim[2024-05-01]recentzzim  noshowcount[1]noshowcount "
                           + historyRecord("답변대기", "A 1;7;B 2;8", "<persontype>1</persontype><sexmale>0</sexmale><sexfemale>3</sexfemale>")
                           + historyRecord("접수취소", "", "<persontype>0</persontype><totalcount>4</totalcount>")
                           + historyRecord("NOSHOW", "A1;2", "<persontype>2</persontype><big>2</big><small>1</small>", "bad")
                           + historyRecord("접수완료", "", "");
    const MemberHistory history = ReadMemberHistory(answer);
    EXPECT_EQ(history.totalCount, "2,500");
    EXPECT_EQ(history.totalPersons, "");
    EXPECT_EQ(history.recent, "직전예약 - 24.05.01");
    EXPECT_EQ(history.noShows, "1");
    EXPECT_EQ(history.cancelled, 1);
    ASSERT_EQ(history.rows.size(), 4);
    const auto& first = history.rows[0].cells;
    EXPECT_EQ(first[1], "7");
    EXPECT_EQ(first[2], "24.05.03");
    EXPECT_EQ(first[12], "2024-05-03 18:30");
    EXPECT_EQ(first[4], "모임");
    EXPECT_EQ(first[5], "A1 B2");
    EXPECT_EQ(first[13], "A 1;7;B 2;8");
    EXPECT_EQ(first[6], "여: 3명");
    EXPECT_EQ(first[7], "수기");
    EXPECT_EQ(first[11], "대기");
    EXPECT_EQ(history.rows[0].foreColor, OleColor(VbRGB(0, 0, 0)));
    EXPECT_EQ(history.rows[1].foreColor, OleColor(VbRGB(170, 170, 170)));
    EXPECT_TRUE(history.rows[1].italic);
    EXPECT_EQ(history.rows[2].foreColor, OleColor(VbRGB(255, 0, 255)));
    EXPECT_EQ(history.rows[2].cells[2], "");
    EXPECT_EQ(history.rows[2].cells[6], "대인: 2명\r\n소인: 1명");
    EXPECT_EQ(history.rows[3].foreColor, OleColor(VbRGB(255, 0, 0)));
    EXPECT_FALSE(history.rows[3].italic);
    EXPECT_EQ(HistoryStateWord("보류중"), "보류중");
}

} // namespace
