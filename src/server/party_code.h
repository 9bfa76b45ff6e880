#pragma once

#include <QString>

// A reservation's party size as the cache stores it: a short code and the total.
//   scheme "0" one total       "T;" n            n
//   scheme "1" men, women      "M;" m ";F;" f    m + f
//   scheme "2" adults, kids    "B;" b ";S;" s    b + s
// Any other scheme gives the empty code and 0.
struct PartyCode
{
    QString code;
    int total = 0;
};

// From a scheme and its counts (the second is not used under "0").
PartyCode PartyCodeOf(const QString& scheme, int first, int second);

// From the wire block: "<persontype>" scheme "</persontype>" and the counts of that scheme, each
// between its tag and closing tag ("<totalcount>", "<sexmale>", "<sexfemale>", "<big>", "<small>").
PartyCode PartyCodeFromBlock(QStringView block);
