#pragma once

#include <QByteArray>
#include <QFile>

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

// An in-memory file that QFile can open like any other, so the stores load
// and save through their real file code without touching a disk.
class MemoryFile
{
public:
    MemoryFile()
        : m_fd(memfd_create("kelmora-fuzz", 0))
    {
        if (m_fd < 0)
            std::abort();
    }
    ~MemoryFile() { close(m_fd); }
    MemoryFile(const MemoryFile &) = delete;
    MemoryFile &operator=(const MemoryFile &) = delete;

    // Opens the file at its start with the given size. Keeping the size of
    // the last image spares the kernel from freeing and faulting in its
    // pages again on every run.
    void open(QFile &file, qint64 size)
    {
        if (ftruncate(m_fd, size) != 0 || lseek(m_fd, 0, SEEK_SET) != 0)
            std::abort();
        if (!file.open(m_fd, QIODevice::ReadWrite, QFileDevice::DontCloseHandle))
            std::abort();
    }

private:
    int m_fd;
};
