#pragma once
// The computation core's texts (the worked solution, the structure, the core's messages) in the
// interface's language: the core asks through its Qt-free hook, and this answers from the
// catalogues installed into the application (context "Kinematics").

// Makes the core translate through QCoreApplication::translate from now on. Without any
// catalogue installed the core's texts stay its Russian sources.
void InstallCoreTextTranslator();
