#include "generated_customers.h"

#include <QStringList>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

const QStringList kFamilyNames{"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임",
                               "한", "오", "서", "신", "권", "황", "안", "송", "류", "홍"};
const QStringList kGivenNames{"민수", "지우", "현우", "지영", "시우", "유나", "서준", "서아", "우진", "하은", "주원", "다은",
                              "도윤", "하린", "선우", "지호", "건우", "예린", "예준", "채원", "수아", "민재", "하윤", "지민"};
const QStringList kMemos{"창가 선호", "아이 동반 많음\r\n유아 의자 필요", "매운 음식 못 드심", "알레르기: 땅콩 & 새우"};
const QStringList kGroups{"회사 회식", "생일 파티", "동창회", "가족 모임", "A&B 상견례"};
const QStringList kChannels{"수기입력", "웹주문", "앱주문"};

constexpr int kFirstMemberNumber = 10001;
constexpr int kFirstReservationNumber = 100001;
constexpr int kPhoneRange = 45000000;   // eight-digit numbers per half: members, then guests
constexpr int kPhoneStep = 12345679;    // no factor shared with the range, so that phones never repeat

// Draws from one seeded engine; the arithmetic is our own, so that a seed gives the same shop
// with every standard library.
class Dice
{
public:
    explicit Dice(quint32 seed) : m_engine(seed) {}
    int below(int n) { return int((quint64(m_engine()) * quint64(n)) >> 32); }
    double unit() { return m_engine() / 4294967296.0; }
    bool chance(double p) { return unit() < p; }
    const QString& pick(const QStringList& list) { return list.at(below(int(list.size()))); }
    QString name() { return pick(kFamilyNames) + pick(kGivenNames); }

private:
    std::mt19937 m_engine;
};

QString phone(int index, int offset, bool guest)
{
    const qint64 digits = 10000000 + (guest ? kPhoneRange : 0) + (qint64(index) * kPhoneStep + offset) % kPhoneRange;
    const QString text = QString::number(digits);
    return "010-" + text.left(4) + "-" + text.mid(4);
}

StandinRecord makeMember(Dice& dice, int index, int offset)
{
    StandinRecord member{{"num", QString::number(kFirstMemberNumber + index)},
                         {"name", dice.name()},
                         {"phone", phone(index, offset, false)},
                         {"memo", dice.chance(0.1) ? dice.pick(kMemos) : QString()}};
    const double level = dice.unit();
    member.insert("level", level < 0.7 ? "일반" : level < 0.9 ? "단골" : "VIP");
    if (dice.chance(0.08)) {
        if (dice.chance(0.5))
            member.insert("name2", member.value("name"));
        member.insert("name", "임시");
        member.insert("level", "준회원");
    }
    if (dice.chance(0.85)) {
        member.insert("birthday", QDate(1950 + dice.below(56), 1 + dice.below(12), 1 + dice.below(28)).toString("yyyy-MM-dd"));
        member.insert("sex", dice.chance(0.5) ? "남" : "여");
    }
    return member;
}

// Who books: a member (by number) or a guest who is none.
struct Booker {
    QString phone;
    QString name;
    QString membernum;
};

Booker bookerOf(const StandinRecord& member)
{
    const QString name = member.value("name") == "임시" ? member.value("name2") : member.value("name");
    return {member.value("phone"), name, member.value("num")};
}

// Every visiting member once, then repeat visits drawn towards the first visitors, so that a few
// come very often; about one booking in ten is a guest's, guests coming back too.
QList<Booker> bookers(Dice& dice, const QList<StandinRecord>& members, int count, int offset)
{
    QList<int> visiting(members.size());
    std::iota(visiting.begin(), visiting.end(), 0);
    for (qsizetype i = visiting.size() - 1; i > 0; --i)
        std::swap(visiting[i], visiting[dice.below(int(i + 1))]);
    visiting.resize(qsizetype(std::ceil(members.size() * 0.85)));
    QList<Booker> guests;
    for (int i = 0; i < std::max(1, count / 25); ++i)
        guests.append({phone(i, offset, true), dice.name(), QString()});
    QList<Booker> chosen;
    chosen.reserve(count);
    qsizetype firstVisits = 0;
    while (chosen.size() < count) {
        if (visiting.isEmpty() || dice.chance(0.1))
            chosen.append(guests.at(dice.below(int(guests.size()))));
        else if (firstVisits < visiting.size())
            chosen.append(bookerOf(members.at(visiting.at(firstVisits++))));
        else
            chosen.append(bookerOf(members.at(visiting.at(qsizetype(visiting.size() * std::pow(dice.unit(), 3))))));
    }
    return chosen;
}

QString stateOf(Dice& dice, bool past)
{
    if (dice.chance(0.7))
        return past && dice.chance(0.6) ? "finish" : "Y";
    const double other = dice.unit();
    if (other < 0.3)
        return "X";
    if (other < 0.5)
        return "N";
    return other < 0.75 && past ? "noshow" : "S";
}

void addParty(Dice& dice, StandinRecord& reservation, int people)
{
    const int scheme = dice.below(3);
    const int part = dice.below(people + 1);
    reservation.insert("persontype", QString::number(scheme));
    reservation.insert("totalcount", scheme == 0 ? QString::number(people) : QString());
    reservation.insert("sexmale", scheme == 1 ? QString::number(part) : QString());
    reservation.insert("sexfemale", scheme == 1 ? QString::number(people - part) : QString());
    reservation.insert("big", scheme == 2 ? QString::number(people - part) : QString());
    reservation.insert("small", scheme == 2 ? QString::number(part) : QString());
}

StandinRecord makeReservation(Dice& dice, const Booker& booker, const QDate& today, const QStringList& tables,
                              const QStringList& staff)
{
    const QDate day = today.addDays(-730 + dice.below(761));
    const QTime start = QTime(11, 0).addSecs(1800 * dice.below(20));
    const QDate taken = std::min(today, day.addDays(-dice.below(21)));
    const int people = 2 + dice.below(5);
    const QString dayText = day.toString("yyyy-MM-dd");
    StandinRecord reservation{{"YN", stateOf(dice, day < today)},
                              {"regdatess", dayText},
                              {"regdatess3", start.toString("HH:mm")},
                              {"regdates", taken.toString("yyyy-MM-dd")},
                              {"regdates3", QTime(9, 0).addSecs(60 * dice.below(13 * 60)).toString("HH:mm")},
                              {"finishscheduleTime", dayText + " " + start.addSecs(7200).toString("HH:mm")},
                              {"phone", booker.phone},
                              {"requestname", booker.name},
                              {"requestoz", dice.chance(0.15) ? dice.pick(kGroups) : QString()},
                              {"table", tables.isEmpty() ? QString() : dice.pick(tables) + ";" + QString::number(people)},
                              {"memo", dice.chance(0.1) ? dice.pick(kMemos) : QString()},
                              {"menu", QString()},
                              {"zzim_APP", dice.pick(kChannels)},
                              {"zzim_managername", staff.isEmpty() ? QString() : dice.pick(staff)},
                              {"membernum", booker.membernum}};
    addParty(dice, reservation, people);
    return reservation;
}

QStringList valuesOf(const QList<StandinRecord>& records, const QString& field, const QString& filter = QString())
{
    QStringList values;
    for (const StandinRecord& record : records)
        if (filter.isEmpty() || record.value(filter) == "Y")
            values.append(record.value(field));
    return values;
}

} // namespace

void GenerateCustomers(ShopState& shop, const CustomerVolume& volume, const QDate& today)
{
    Dice dice(volume.seed);
    const int offset = dice.below(kPhoneRange);
    shop.members.clear();
    shop.members.reserve(volume.members);
    for (int i = 0; i < volume.members; ++i)
        shop.members.append(makeMember(dice, i, offset));

    const QStringList tables = valuesOf(shop.tables, "tablenum", "tableYN");
    const QStringList staff = valuesOf(shop.staff, "managername");
    shop.reservations.clear();
    shop.reservations.reserve(volume.reservations);
    for (const Booker& booker : bookers(dice, shop.members, volume.reservations, offset))
        shop.reservations.append(makeReservation(dice, booker, today, tables, staff));
    std::stable_sort(shop.reservations.begin(), shop.reservations.end(), [](const StandinRecord& a, const StandinRecord& b) {
        return std::pair(a.value("regdatess"), a.value("regdatess3")) < std::pair(b.value("regdatess"), b.value("regdatess3"));
    });
    for (qsizetype i = 0; i < shop.reservations.size(); ++i)
        shop.reservations[i].insert("num", QString::number(kFirstReservationNumber + i));
}
