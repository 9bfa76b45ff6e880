#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QString>

// One record of the shop: field name → value, in the backend's own names ("tablenum", "YN").
// The endpoints decide which fields they write and in which order.
using StandinRecord = QHash<QString, QString>;

// The shop the stand-in serves, held in memory. Loaded from a folder of JSON files, in which a
// text "@day+N" or "@day-N" stands for the date N days from the loading day ("yyyy-MM-dd").
struct ShopState {
    StandinRecord account;             // ID, PassWord, 번호, storename, QRC, tel, num
    QList<StandinRecord> otherShops;   // the rest of the administrative shop list
    StandinRecord memberState;         // the shop's feature switches
    StandinRecord settings;            // the reservation settings
    qint64 credit = 0;                 // the remaining message credit
    QList<StandinRecord> coupons;
    QList<StandinRecord> tables;
    QList<StandinRecord> staff;
    QList<StandinRecord> members;
    QList<StandinRecord> levels;       // levelnum, levelname
    QList<StandinRecord> cars;         // numb, membernum, carnumber
    QList<StandinRecord> reservations;
    QList<StandinRecord> messages;              // sent messages, oldest first: num, Phone, regdate, MSG
    QHash<QString, QStringList> phrases;        // canned phrases by category
    QString qrmemoYN;                    // the table-request switch: "N" shows the requests
    QList<StandinRecord> tableRequests;  // memonum, table (its nums), memophonet, memotext,
                                         // ordercount, regdatememo, memoYN ("N" pending, "Y" done)
    StandinRecord notices;                      // smskakaoSetting, smskakaoSettingText
    QHash<QString, QStringList> kakaoTemplates; // header and footer by kind
    QHash<QString, QByteArray> linkImages;      // uploaded link images by shop number

    // False with the reason when a file is missing or not valid JSON.
    static bool load(const QString& folder, const QDate& today, ShopState& state, QString* error = nullptr);

    bool isShopAccount(const QString& id, const QString& password) const;
};

// The folder of the sample shop: "standin" beside the executable when it is there (an installed
// program folder), otherwise the source tree's data folder.
QString DefaultShopFolder();
