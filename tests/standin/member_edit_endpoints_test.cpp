#include "core/answer_grammar.h"
#include "core/backend_request.h"
#include "core/text_escapes.h"
#include "support/qt_printers.h"
#include "support/standin_fixture.h"

#include <gtest/gtest.h>

namespace {

QString edit(const QString& number)
{
    return BackendRequest("test() ... ", "/program/MemberInfoEdit.php")
        .add("numt", number)
        .add("name", "김민수B")
        .add("levelname", "VIP")
        .add("levelfrozen", "Y")
        .add("levelnum", "3")
        .addEscaped("memot", VmrEncodeAA("두 줄\r\n메모"))
        .add("denyt", "N")
        .add("pointcheck", "Y")
        .add("snst", " snsi[Y]snsi snsf[N]snsf snsb[Y]snsb snse[N]snse")
        .add("name2", "별명")
        .add("lastzzimnames", "")
        .add("add_phone1", "02-555-9999")
        .add("add_phone2", "")
        .add("add_phone3", "")
        .add("careful", "Y")
        .send();
}

} // namespace

TEST(StandinMemberEdit, StoresTheMemberAndTheDetailShowsIt)
{
    StandinFixture backend;
    EXPECT_EQ(edit("9001"), "성공");
    const QString detail = BackendRequest("test() ... ", "/program/SearchMember1Detail2.php").add("numt", "9001").send();
    const std::pair<QString, QString> expected[] = {{" names[", "]names "}, {" level[", "]level "}, {" careful[", "]careful "},
                                                    {" snsi[", "]snsi "},   {" snsf[", "]snsf "},   {" add_phone1[", "]add_phone1 "},
                                                    {" name2[", "]name2 "}, {" levelfrozen[", "]levelfrozen "}};
    const QStringList values{"김민수B", "VIP", "Y", "Y", "N", "02-555-9999", "별명", "Y"};
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(GetField(detail, expected[i].first, expected[i].second).value_or("<missing>"), values[i]) << i;
    EXPECT_EQ(VmrDecodeAA(GetField(detail, " memo[", "]memo ").value_or("")), "두 줄\r\n메모");
    EXPECT_EQ(edit(""), "실패");
    EXPECT_EQ(edit("1"), "실패");
}
