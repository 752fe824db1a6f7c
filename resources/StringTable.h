#pragma once
// The program's string table: the prompts and tool tips of the commands, the
// tool tips of the dialog controls, and the framework's own Spanish texts that
// the shell shows. A command string holds the status-bar prompt, a line break
// and the tool tip; a dialog control's string is its tool tip. Qt-free.
//
// Dialogs of other areas may keep their control strings beside their own code
// and hand them to CToolTips::Apply; ids they share with the shell (1 and 2)
// are found here.

#include <string>

class CStringTable {
public:
    // The whole string with the id, or the empty text when there is none.
    static std::string Load(int id);
    // The part before the line break (the status-bar prompt).
    static std::string Prompt(int id);
    // The part after the line break (the tool tip), or the empty text.
    static std::string ToolTip(int id);
};
