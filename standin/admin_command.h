#pragma once

#include <QString>
#include <QStringList>

// The commands of vmr-standin that act on a running stand-in as the outside world, through its
// "/standin/" paths:
//   ring KT|LG <number> [--id ID] [--line N]
//   status KT <id> <code> | status LG <id> answered|missed
//   event KT|LG [--line N] <name> [args...]
//   script KT login|kickout <code>
//   guest-request <table> <text> [count]
// Prints the answer and returns 0; prints the reason and returns 1 when the command is wrong, no
// stand-in answers on the port or it refuses.
int RunAdminCommand(const QStringList& words, const QString& id, const QString& line, quint16 port);
