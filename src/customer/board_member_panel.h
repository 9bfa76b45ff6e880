#pragma once

#include <QString>

#include <array>

class CrLfTextBox;
class GridModel;
class PanelButton;
class PictureLabel;
class PictureList;
class PlaceholderBox;
class QLabel;
class QWidget;
class SpreadGrid;
class WaitPicture;

// The member on display in the board's member panel, as the detail load keeps it for the save.
struct BoardMember {
    QString numt;
    QString names;
    QString phone;
    QString memo;
    QString careful = QStringLiteral("N");
    QString level;
    QString levelfrozen;
    QString levelnum;
    QString deny = QStringLiteral("N");
    QString pointcheck = QStringLiteral("N");
    QString snsi = QStringLiteral("N");
    QString snsf = QStringLiteral("N");
    QString snsb = QStringLiteral("N");
    QString snse = QStringLiteral("N");
    QString name2;
    QString lastzzimnames;
    QString add_phone1;
    QString add_phone2;
    QString add_phone3;
};

// The board's controls that the member panel drives.
struct BoardMemberControls {
    QWidget* window;
    PlaceholderBox* search;                 // txtS(0)
    std::array<PlaceholderBox*, 2> boxes;   // txtA(0) name, txtA(1) phone
    CrLfTextBox* memo;                      // txtA2(0)
    PictureLabel* caution;                  // picA(0)
    PanelButton* save;                      // CMD(20)
    QLabel* lastBooking;                    // lb직전예약
    QLabel* totalCount;                     // lb총예약수
    QLabel* totalPersons;                   // lb총예약인원
    QLabel* cancelled;                      // lb예약취소
    QLabel* noShows;                        // lb노쇼
    SpreadGrid* history;                    // SPR(2)
    SpreadGrid* results;                    // SPR(3)
    std::array<QWidget*, 3> panels;         // picFrame(0..2): calls, history, results
    WaitPicture* wait;                      // picWait
    const PictureList* pictures;            // the board's ImgBtn: 1 caution off, 2 on
};

// The member panel of the reservation board: the member search, the member's details and
// reservation history, the associate-member registration and the member save. Every request waits
// in a nested loop; the latest search decides what the panel shows: an answer that comes back
// after a newer search (회원검색A, 회원정보_Load_PhoneT) began is dropped, and so are the
// member's details and history that an overtaken search was loading.
class BoardMemberPanel
{
public:
    explicit BoardMemberPanel(const BoardMemberControls& controls) : c(controls) {}

    BoardMember m_Member;

    bool 입력란_초기화();
    bool 회원정보A_Clear(bool bKeepCounters);
    bool 회원검색A(bool bAll);
    bool 회원정보A_NumT(const QString& numt);
    bool 준회원등록B();
    bool 회원정보A_Save();
    bool 예약이력A(const QString& numt);
    bool 회원정보_Load_PhoneT(const QString& phone);
    // A newer caller overtakes the search that waits: its answer is dropped.
    void DropSearch() { ++m_searchSerial; }

private:
    // True when a newer search began after the one numbered search.
    bool overtaken(int search) const;
    void showFound(const QString& numt);
    void showNewMember();
    void showPanel(int index);

    BoardMemberControls c;
    int m_searchSerial = 0;
};
