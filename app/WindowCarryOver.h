#pragma once
// What a main window built again (in another language) takes over from the one before, so that
// the switch loses nothing: the record and the loads, the result on show (with every tab, the
// table, the diagrams and the status bar showing it again in the new words), the text of every
// field and the state of every check box and option button as typed or set, each tab widget's
// current page, and the place and size of the window.

class TForm4;

void CarryOver(TForm4& from, TForm4& to);
