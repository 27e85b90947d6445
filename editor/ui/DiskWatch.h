// Notices when another program changes a file of the open bank.
#pragma once

#include "OpenBank.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <vector>

namespace kvardelon::editor {

class DiskWatch : public QObject {
    Q_OBJECT
public:
    explicit DiskWatch(OpenBank& bank, QObject* parent = nullptr);

    // The steps whose files differ on disk from what the editor read or wrote last.
    std::vector<int> changedSteps() const;

signals:
    void changed(const std::vector<int>& steps);

private:
    void watch();
    void look();

    OpenBank& bank_;
    QFileSystemWatcher watcher_;
    QTimer settle_;  // a program writing a file touches it more than once
};

}  // namespace kvardelon::editor
