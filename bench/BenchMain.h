#pragma once
// What the benchmark programs of the window and the command line share: messages that never
// open a modal box in the middle of a measurement, and a main that runs the benchmarks in a
// QApplication on the offscreen platform (unless one is named), optionally in an empty working
// directory, so that the window starts from its defaults instead of a startpar.tmm found there.

#include "RunInApplication.h"
#include "app/UserMessages.h"

#include <QDir>
#include <QTemporaryDir>

class SilentMessages : public UserMessages {
public:
    void Beep() override {}
    void ShowMessage(const QString&) override {}
    void ShowError(const QString& text) override { lastError = text; }
    bool AskYesNo(const QString&) override { return false; }
    QString lastError;
};

inline SilentMessages& Silent()
{
    static SilentMessages messages;
    return messages;
}

enum class WorkDir { AsGiven, FreshAndEmpty };

inline int RunBenchmarks(int argc, char** argv, WorkDir workDir)
{
    QTemporaryDir fresh;
    return RunInApplication(argc, argv, [&] {
        if (workDir == WorkDir::FreshAndEmpty)
            QDir::setCurrent(fresh.path());
        InstallMessages(&Silent());
    });
}
