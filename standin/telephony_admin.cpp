#include "telephony_admin.h"

#include "standin.h"
#include "telephony_standin.h"

namespace {

constexpr int kArgs = 5;

StandinReply done(bool ok, const QString& error, const QString& answer = QStringLiteral("OK"))
{
    return ok ? StandinReply::text(answer) : StandinReply::text(error, 409);
}

int lineOf(const FormFields& form)
{
    const QString line = form.value("line");
    return line.isEmpty() ? -1 : line.toInt();
}

StandinReply ring(TelephonyStandin& telephony, const FormFields& form)
{
    QString error;
    const std::optional<QString> id =
        telephony.ring(form.value("carrier"), form.value("number"), form.value("id"), lineOf(form), &error);
    return done(id.has_value(), error, id.value_or(QString()));
}

StandinReply status(TelephonyStandin& telephony, const FormFields& form)
{
    const QString carrier = form.value("carrier");
    const QString value = carrier == QLatin1String("KT") ? form.value("code") : form.value("result");
    QString error;
    const bool ok = telephony.status(carrier, form.value("id"), value, &error);
    return done(ok, error);
}

StandinReply event(TelephonyStandin& telephony, const FormFields& form)
{
    QStringList nameAndArgs{form.value("name")};
    int last = 0;
    for (int i = 1; i <= kArgs; ++i)
        if (form.contains("arg" + QString::number(i)))
            last = i;
    for (int i = 1; i <= last; ++i)
        nameAndArgs.append(form.value("arg" + QString::number(i)));
    QString error;
    const bool ok = telephony.event(form.value("carrier"), lineOf(form), nameAndArgs, &error);
    return done(ok, error);
}

StandinReply drop(TelephonyStandin& telephony, const FormFields& form)
{
    QString error;
    const bool ok = telephony.drop(form.value("carrier"), lineOf(form), &error);
    return done(ok, error);
}

StandinReply script(TelephonyStandin& telephony, const FormFields& form)
{
    bool number = false;
    const int code = form.value("code").toInt(&number);
    const bool ok = number && telephony.scriptKt(form.value("command"), code);
    return done(ok, QStringLiteral("command must be login or kickout, code a number"));
}

StandinReply log(const TelephonyStandin& telephony)
{
    QString text;
    for (const TelephonyStandin::Received& line : telephony.received())
        text += line.carrier + "\t" + line.fields.join('\t') + "\n";
    return StandinReply::text(text);
}

} // namespace

void AddTelephonyAdminPaths(Standin& standin, TelephonyStandin& telephony)
{
    TelephonyStandin* t = &telephony;
    standin.addAdminPath("/standin/cid/ring", [t](const StandinRequest& r) { return ring(*t, r.form()); });
    standin.addAdminPath("/standin/cid/status", [t](const StandinRequest& r) { return status(*t, r.form()); });
    standin.addAdminPath("/standin/cid/event", [t](const StandinRequest& r) { return event(*t, r.form()); });
    standin.addAdminPath("/standin/cid/drop", [t](const StandinRequest& r) { return drop(*t, r.form()); });
    standin.addAdminPath("/standin/cid/script", [t](const StandinRequest& r) { return script(*t, r.form()); });
    standin.addAdminPath("/standin/cid/log", [t](const StandinRequest&) { return log(*t); });
}
