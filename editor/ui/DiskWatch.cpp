// Watching the bank's folder and files, and comparing their bytes with what was read.
#include "DiskWatch.h"

#include "QtText.h"
#include "Saving.h"

namespace kvardelon::editor {

namespace {

constexpr int kSettleMilliseconds = 300;

}  // namespace

DiskWatch::DiskWatch(OpenBank& bank, QObject* parent) : QObject(parent), bank_(bank)
{
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, &DiskWatch::look);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&bank_, &OpenBank::opened, this, &DiskWatch::watch);
    connect(&bank_, &OpenBank::folderChanged, this, &DiskWatch::watch);
}

void DiskWatch::watch()
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    watcher_.addPath(pathText(bank_.folder()));
    for (int step = 1; step <= kSteps; ++step)
        if (bank_.step(step).existed)
            watcher_.addPath(pathText(bank_.step(step).path));
}

std::vector<int> DiskWatch::changedSteps() const
{
    std::vector<int> steps;
    for (int step = 1; step <= kSteps; ++step)
        if (changedOnDisk(bank_.step(step), step))
            steps.push_back(step);
    return steps;
}

void DiskWatch::look()
{
    // A file replaced by renaming is a new file to the watcher: watch it again.
    watch();
    const std::vector<int> steps = changedSteps();
    if (!steps.empty())
        emit changed(steps);
}

}  // namespace kvardelon::editor
