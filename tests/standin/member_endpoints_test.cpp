#include "core/backend_request.h"
#include "customer/member_answers.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

// The member search, detail and car list, read back through the program's own readers.

namespace {

QString ask(const QString& path, const QString& name, const QString& value)
{
    return BackendRequest("test() ... ", path).add(name, value).send();
}

QStringList numbersOf(const QList<MemberListRecord>& members)
{
    QStringList numbers;
    for (const MemberListRecord& m : members)
        numbers.append(m.num);
    return numbers;
}

} // namespace

TEST(StandinMembers, SearchMatchesNamesAndPhoneDigits)
{
    StandinFixture backend;
    struct Case {
        QString text;
        QStringList numbers;
    };
    const QList<Case> cases{{"김민수", {"9001", "9021"}},
                            {"윤서아", {"9008"}},
                            {"7841-1465", {"9001"}},
                            {"010-7841-1465", {"9001"}},
                            {"784", {}},
                            {"없는사람", {}}};
    for (const Case& c : cases)
        EXPECT_EQ(numbersOf(ReadMemberList(ask("/program/SearchMember1.php", "textz", c.text))), c.numbers)
            << c.text.toStdString();
    const auto temporary = ReadMemberList(ask("/program/SearchMember1.php", "textz", "윤서아"));
    EXPECT_EQ(temporary.value(0).name, "준회원");
    EXPECT_EQ(ReadMemberList(ask("/program/SearchMember1.php", "textz", "")).size(), backend.shop().members.size());
}

TEST(StandinMembers, DetailAndCarsOfAMember)
{
    StandinFixture backend;
    const auto member = ReadMemberDetail(ask("/program/SearchMember1Detail2.php", "numt", "9001"));
    ASSERT_TRUE(member);
    EXPECT_EQ(member->name, "김민수");
    EXPECT_EQ(member->phoneDigits, "01078411465");
    EXPECT_EQ(member->careful, "Y");
    EXPECT_EQ(member->levelNum, "1");
    EXPECT_EQ(member->deny, "N");
    EXPECT_EQ(member->addPhone1, "02-555-1234");
    EXPECT_EQ(ReadMemberDetail(ask("/program/SearchMember1Detail2.php", "numt", "9008"))->name, "윤서아");
    EXPECT_FALSE(ReadMemberDetail(ask("/program/SearchMember1Detail2.php", "numt", "1")));

    EXPECT_EQ(ReadMemberCars(ask("/vbPHP/MemberCarLoad.php", "numt", "9011"))->size(), 4);
    EXPECT_TRUE(ReadMemberCars(ask("/vbPHP/MemberCarLoad.php", "numt", "9002"))->isEmpty());
    EXPECT_FALSE(ReadMemberCars(ask("/vbPHP/MemberCarLoad.php", "numt", "1")));
}
