#pragma once

#include "platform/filelock.h"

#include <QString>
#include <memory>
#include <vector>

// One writer per machine: two commands that change it at once take turns instead of mixing their
// sets. The writer holds an exclusive lock on the machine folder and on each of its image files
// while it lives; a second process waits a while, then is told which process holds the machine.
// A command takes it before it checks what it will write, so that its checks never see another
// command's writes half done. Writers nest within one process: only the outermost locks.
class MachineWriter
{
public:
    MachineWriter();
    ~MachineWriter();
    MachineWriter(const MachineWriter&) = delete;
    MachineWriter& operator=(const MachineWriter&) = delete;

private:
    void lockMachine();
    void lockImages();

    std::unique_ptr<platform::FileLock> m_lock;
    std::vector<std::unique_ptr<platform::FileLock>> m_imageLocks;
};
