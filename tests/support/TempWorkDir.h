#pragma once
// Runs a test in a fresh temporary working directory (the parameter file lives in the cwd).

#include <QDir>
#include <QTemporaryDir>

class TempWorkDir {
public:
    TempWorkDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~TempWorkDir() { QDir::setCurrent(previous_); }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};
