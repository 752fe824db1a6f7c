#pragma once
// The check of the term lists typed into the minterm and maxterm dialogs. A
// list is a text of decimal numbers separated by commas; blanks are skipped
// wherever they stand (1, a blank and 2 read as 12) and leading zeros are
// allowed, exactly as CSistema::ParseTermText reads a stored term text. Every
// refusal is shown at once through AfxMessageBox; the dialogs only call these
// operations and show nothing of their own.
//
// Numbers are measured against the limit with saturating arithmetic: a number
// of any length that is the limit or more is out of range, never wrapped round
// into a small term.

#include <array>
#include <cstdint>
#include <string>

using UINT = std::uint32_t;

class CVerificadorLista {
public:
    // Results of CheckList.
    static constexpr int kValida = 1;
    static constexpr int kError = 0;
    static constexpr int kVacia = -1;

    // Checks one list against the limit 2^n in one pass from left to right.
    // kValida when every number is below the limit; kVacia, with no message, for
    // the empty text; kError after showing the one message of the first fault:
    // a number not below the limit, a text that ends with a comma, or a
    // character that is neither a digit, a blank nor a comma after a number (an
    // empty element, a text of blanks or one ending in blanks after a comma
    // included). A comma that closes a number of the limit or more ends the scan,
    // so the range is reported before anything that follows it.
    static int CheckList(const std::string& lista, UINT limite);

    // Both lists have passed CheckList. True when no number of the required list
    // stands in the don't-care list; otherwise shows the first such number and
    // returns false. Repeats inside one list are not looked for.
    static bool CheckRepeated(const std::string& imprescindibles, const std::string& prescindibles);

    // What "Aceptar" checks before it stores the two lists of one function: the
    // don't-care list first (it may be empty), then the required list (it may
    // not), then the repeats. At most one message is shown; true when the lists
    // may be stored as typed.
    static bool AcceptLists(const std::string& imprescindibles, const std::string& prescindibles,
                            UINT limite);

    // The first function, of the first `funciones`, whose required list is empty
    // (0-based), or -1 when every one has a required term.
    static int FirstWithoutRequired(const std::array<std::string, 6>& imprescindibles,
                                    UINT funciones);
};
