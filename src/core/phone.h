#pragma once

#include <QString>

// A phone number cut into its parts by the known prefixes.
struct PhoneParts {
    enum Kind { NotPhone = 0, Landline = 1, Mobile = 2 };
    int kind = NotPhone;
    QString area;      // "02", "031", "010", "0504"...; empty for a 7- or 8-digit number
    QString middle;
    QString last;      // the last four digits
};

// Blanks around, "-" and ")" are ignored. 7 or 8 characters: a local number without area;
// "02" numbers of 9 or 10; 10 to 12 digits with a 3-digit area (4 digits at 12 characters),
// mobile when the area is 010, 011, 016, 017, 018 or 019. Anything else is not a phone number.
PhoneParts SplitPhone(const QString& phone);

// The parts joined by "-" ("010-9876-5432", "1588-9876"); with mask, a 4-digit middle shows its
// first and last digit only ("010-9**6-5432"). Empty text for what is not a phone number.
QString FormatPhoneMasked(const QString& phone, bool mask);
