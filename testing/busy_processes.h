#pragma once

#include <QProcess>
#include <memory>
#include <vector>

// Processes of normal priority that keep a core busy each, as other programs would, for as long
// as this lives. Each also ends by itself once its parent is gone, so a crashed test leaves none.
class BusyProcesses {
  public:
    explicit BusyProcesses(int count) {
        for (int i = 0; i < count; ++i) {
            auto& process = processes_.emplace_back(std::make_unique<QProcess>());
            process->start("sh", {"-c", "while kill -0 $PPID; do :; done"});
            process->waitForStarted();
        }
    }
    ~BusyProcesses() {
        for (auto& process : processes_) {
            process->kill();
            process->waitForFinished();
        }
    }
    BusyProcesses(const BusyProcesses&) = delete;
    BusyProcesses& operator=(const BusyProcesses&) = delete;

  private:
    std::vector<std::unique_ptr<QProcess>> processes_;
};
