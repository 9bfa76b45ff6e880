#pragma once

#include <QString>
#include <exception>

// An error raised to the caller, carrying what the caller's error handler logs: the number, the
// source and the description.
struct RaisedError : std::exception
{
    RaisedError(qint32 number, const QString& source, const QString& description)
        : number(number), source(source), description(description)
    {
    }
    const char* what() const noexcept override { return "RaisedError"; }

    qint32 number;
    QString source;
    QString description;
};
