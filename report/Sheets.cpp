#include "report/Sheets.h"

#include "report/AtomicWrite.h"
#include "report/DxfWriter.h"
#include "report/SheetPainting.h"
#include "report/SheetParts.h"

#include "kinematics/NumberText.h"

#include <QCoreApplication>
#include <QDir>

#include <cmath>

int SheetCount(const CalculationResult& result)
{
    if (!result.forces.computed)
        return 1;
    return result.dynamics.Computed() ? 3 : 2;
}

bool WriteSheets(const CalculationResult& result, const SheetOptions& options, const QString& dir, QString& error,
                 QStringList* written)
{
    error = CheckWritableFolder(dir);
    if (!error.isEmpty())
        return false;
    std::vector<SheetDrawing> sheets{KinematicsSheet(result, options)};
    if (auto forces = ForcesSheet(result, options)) {
        sheets.push_back(std::move(*forces));
        if (auto dynamics = DynamicsSheet(result, options))
            sheets.push_back(std::move(*dynamics));
    }
    const QDir folder(dir);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const QString base = folder.filePath(QStringLiteral("sheet%1").arg(i + 1));
        const QString title = QCoreApplication::translate("Report", "Лист %1").arg(i + 1);
        const QString pdf = base + QStringLiteral(".pdf");
        const QString svg = base + QStringLiteral(".svg");
        const QString dxf = base + QStringLiteral(".dxf");
        if (!WriteSheetPdf(sheets[i], title, pdf, error) || !WriteSheetSvg(sheets[i], title, svg, error)
            || !WriteSheetDxf(sheets[i], dxf, error))
            return false;
        if (written)
            *written << pdf << svg << dxf;
    }
    return true;
}
