#pragma once
// ezdxf's verdict on the sheets a test wrote: tests/report/scripts/check_sheet_dxf.py measures the
// crank, the links of every scheme position, the bold extreme positions and a velocity segment
// against the factors the sheet states.

#include "report/ChosenPositions.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cmath>

// Empty when every measurement of the sheets in `dir` holds; `plan` is the first chosen position.
inline QString SheetDxfVerdict(const QString& dir, const CalculationResult& r, int plan)
{
    const Mechanism& m = r.Kinematics().solved;
    const SchemePosition at = SchemePositionOf(r, plan);
    const PositionArrays& p = at.solve->positions;
    const double vb = std::hypot(p.PlanXb[at.row], p.PlanYb[at.row]) * r.input.loads.Omega1;
    QStringList arguments{QStringLiteral(ORVEK_SOURCE_DIR "/tests/report/scripts/check_sheet_dxf.py"), dir};
    for (const double x : {m.Loa, m.Lab, m.Lbc, m.Lde, vb})
        arguments << QString::number(x, 'g', 17);
    arguments << QString::number(SchemeCount(r));
    if (const MechanismCharacteristics* c = r.Kinematics().TurningCharacteristics())
        for (const double phi : {c->Extreme1, c->Extreme2})
            arguments << QString::number(phi * 180 / M_PI, 'g', 17);
    // Debian's interpreter, which the set-up script gives python3-ezdxf.
    const QString debianPython = QStringLiteral("/usr/bin/python3");
    QProcess python;
    python.start(QFileInfo(debianPython).isExecutable() ? debianPython : QStringLiteral("python3"), arguments);
    if (!python.waitForFinished(120000))
        return QStringLiteral("python3 did not finish");
    const QString said = QString::fromUtf8(python.readAllStandardOutput() + python.readAllStandardError());
    return python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0 ? QString() : said;
}
