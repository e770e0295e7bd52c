#pragma once
// One run of the command line inside the test process, with what it printed and its exit status.

#include "app/CommandLine.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

inline Outcome RunWith(const QStringList& arguments)
{
    Outcome run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = RunCommandLine(arguments, out, err);
    out.flush();
    err.flush();
    return run;
}
