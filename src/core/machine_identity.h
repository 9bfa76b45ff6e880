#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// The machine's network adapters and the MAC address that identifies the machine.
// Address forms: hyphen "00-1A-2B-3C-4D-5E", colon "00:1A:2B:3C:4D:5E", bare "001A2B3C4D5E".

struct NetworkAdapter {
    QString macAddress;    // colon form, as the system gives it
    bool hasIpAddress = false;
};

// The adapters of the machine, loopback and adapters without a hardware address left out.
QList<NetworkAdapter> SystemNetworkAdapters();

// The adapter list in use; tests install their own. An empty function goes back to the system's.
void SetNetworkAdapterSource(std::function<QList<NetworkAdapter>()> source);

// Six pairs of upper-case hexadecimal digits joined by "-"; "00" past the end of the bytes.
QString MacBytesToString(const QByteArray& bytes);

// The addresses of all adapters with a 6-byte address, colon form, joined by ";".
QString GetAdapterMACs();

// The addresses of the adapters that have an IP address, colon form, each once, joined by ";".
QString GetNICInfo();

// The machine's address in bare form: the remembered address (user registry "QTRWZ", "Vexil",
// "MAC") when an adapter has it, else the greatest candidate; empty without adapters.
QString GetMACAddress();
