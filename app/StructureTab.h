#pragma once
// The tab "Структура": the structural analysis of the mechanism (links, pairs, the degree of
// freedom by Chebyshev's formula with its numbers, the Assur groups, the structural formula and
// the class) beside a labelled scheme of the groups, and, for the window's result, Grashof's
// check of the four-bar and whether the mechanism turns fully, in words.
//
// The structure is the linkage's own and holds before any Calculate; the check reads the lengths
// the result was computed with.

#include "app/ResultPublisher.h"
#include "kinematics/Structure.h"

#include <QWidget>

class QTextBrowser;

class StructureTab : public QWidget {
    Q_OBJECT

public:
    explicit StructureTab(ResultPublisher* results, QWidget* parent = nullptr);

    // The tab's text as shown (plain text, for tests and copying).
    QString Text() const;
    QWidget* Scheme() const { return scheme_; }

    // The lines of the tab for a result (none: before a Calculate), as the report writes them too.
    static QStringList StructureLines(const StructuralAnalysis& s);
    static QStringList TurnLines(const CalculationResult* result);

private:
    void ShowResult(const CalculationResult* result);

    ResultPublisher* results_;
    StructuralAnalysis structure_;
    QTextBrowser* text_ = nullptr;
    QWidget* scheme_ = nullptr;
};
