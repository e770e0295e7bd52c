#pragma once
// The computation core's texts (the worked solution, the structure, the core's messages) in the
// interface's language: the core asks through its Qt-free hook, and this answers from the
// catalogues installed into the application.

// Makes the core translate through QCoreApplication::translate from now on. Without any
// catalogue installed the core's texts stay its Russian sources.
void InstallCoreTextTranslator();

// While one lives, the core writes its Russian sources whatever the interface's language: the
// files other programs read (summary.csv, grading.csv) keep the same bytes in every language.
class UntranslatedCoreTexts {
public:
    UntranslatedCoreTexts();
    ~UntranslatedCoreTexts();
    UntranslatedCoreTexts(const UntranslatedCoreTexts&) = delete;
    UntranslatedCoreTexts& operator=(const UntranslatedCoreTexts&) = delete;

private:
    bool wasInstalled_;
};
