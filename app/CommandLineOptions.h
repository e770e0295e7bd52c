#pragma once
// The options of the program without its window, read with QCommandLineParser from one table
// (name, value, what it does in Russian and in English). The usage text is made from the same
// table. A new option is one row of the table and one member of CommandLineOptions; the job that
// uses it reads the member.

#include <QString>
#include <QStringList>

#include <optional>

struct CommandLineOptions {
    bool help = false;
    bool version = false;
    QString params;
    std::optional<QString> lengths[5];  // Loa, Lab, Lbc, Lde, Loc as typed
    std::optional<QString> n;
    QString csv;
    QString report;
    QString images;
    QString batch;
    QString out;
    std::optional<QString> solution;  // the table position k as typed
    QString solutionOut;
    QString answers;
    std::optional<QString> tolerance;
    std::optional<QString> omega1;   // рад/с
    std::optional<QString> n1;       // об/мин
    std::optional<QString> q;
    std::optional<QString> m5;
    std::optional<QString> fc;
    std::optional<QString> gravity;  // 0 or 1
    bool keepLbc = false;
    std::optional<QString> delta;  // the dynamics' δ as typed
    QString sheets;       // the folder of the drawing sheets
    QString sheetFormat;  // A1 .. A4
    QString positions;    // "K,L"
    QString schemePositions;  // N of the scheme on sheet 1
    QString student;
    QString group;
    QString teacher;

    bool AnyLength() const;
    // Whether any option of a single mechanism's outputs or record was given (not of its loads).
    bool AnySingleMechanismOption() const;
};

// The names of the five lengths' fields ("Loa", ...), in the order of CommandLineOptions::lengths.
extern const char* const kLengthFieldNames[5];

struct ParsedCommandLine {
    CommandLineOptions options;
    QString error;  // a usage error in words ("Неизвестный параметр командной строки: --x"); empty when none
};

// Reads `arguments` (without the program's name). Only "--name value", "--name=value" and "-h"
// are options; any other word that starts with "-", and any word that is no option's value, is
// an error. Never ends the process.
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// The help, in Russian and in English.
QString UsageText();
// "Orvek 1.0".
QString VersionText();
