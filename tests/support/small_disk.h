#pragma once

#include <QString>

// A small file system of its own (a tmpfs of the given size) mounted over a folder for the life of
// the object, so that a test can fill a disk. Mounting needs the right to; without it mounted() is
// false and the test skips.
class SmallDisk
{
public:
    SmallDisk(const QString& folder, int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted = false;
};
