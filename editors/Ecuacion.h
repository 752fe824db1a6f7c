#pragma once
// The logic equation of one function: its syntax check and its expansion into
// the canonical sum of minterms that CSistema::ApplyEquations reads. The
// equation dialog only calls these operations and shows nothing itself.
//
// An equation is written with the first n letters of the alphabet: an uppercase
// letter is a variable at 1, a lowercase letter the variable at 0. Juxtaposition
// is AND, '+' is OR, parentheses group, and '/' complements the group that
// follows it (A/(B+c) is A and not (B or c)).
//
// The canonical text holds one product per minterm, each of exactly n letters in
// variable order (AbC is minterm 5 with n = 3), joined by " + ", every minterm
// once, and is empty when the equation has no minterm. Its products stand in the
// order in which the expansion meets them: the minterms of the first product of
// the outermost sum in ascending order, then those of the second, and so on,
// with the products of a group in the order of that group's result; a minterm
// met again later keeps its first place. With n = 2, B+a is "aB + AB + ab".

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A list of products, ORed together. A product is a run of letters ANDed
// together; the empty text is the product with no letter, the neutral factor
// that starts every product. The empty list is a result with no product: as a
// prefix it gives no product, and JoinTerms writes it as the empty text.
using ListaProductos = std::vector<std::string>;

// What "Aceptar" keeps of one equation: whether it passed the check, and if so
// the equation without blanks and its canonical text.
struct EcuacionAceptada {
    bool aceptada = false;
    std::string ecuacion;
    std::string canonica;
};

class CEcuacion {
public:
    // n is kept within 1..6.
    explicit CEcuacion(unsigned nVariables);

    unsigned GetNumVariables() const { return m_nVariables; }

    // The check, the expansion, the canonical text and the equation without
    // blanks, in one call. A refused equation has had its one message shown.
    EcuacionAceptada Accept(const std::string& ecuacion);

    // Checks the equation in one pass and shows at most one message through
    // AfxMessageBox. True when it is valid. A text of blanks only is valid (it
    // has no minterm); the empty text is not.
    bool CheckSyntax(const std::string& ecuacion) const;

    // Reads one group of the equation from m_nPos on (the outermost call reads
    // the whole equation as a group without parentheses) and returns its
    // canonical minterms multiplied by every product of the prefix, the group
    // complemented first when complementar is set. Reads no further than
    // longitud. Nested groups are kept on a stack of its own, so any depth of
    // parentheses is safe. Every input gives a result; unchecked text is read by
    // the same rules (other characters skipped, a ')' at the outermost level
    // ends the reading apart from the letters right after it).
    ListaProductos ExpandSum(const std::string& ecuacion, ListaProductos prefijo,
                             std::size_t longitud, bool complementar);

    // The complement of a sum of products by De Morgan's laws, multiplied out.
    // Only the letters of the products take part; a product without letters
    // does not. Products whose minterms all stand in earlier products are left
    // out as the factors are multiplied in: this keeps the list within 64
    // products and leaves the order of the minterms they give unchanged. With no
    // product to complement, the result is every minterm.
    ListaProductos ComplementList(const ListaProductos& lista) const;

    // 'a'+k <-> 'A'+k for the first n letters; any other character gives ' '.
    char ComplementLiteral(char c) const;

    // The canonical minterms of one product in ascending order; none when the
    // product holds a letter together with its complement. Letters outside the
    // first n, and other characters, are passed over.
    ListaProductos ExpandProduct(const std::string& producto) const;

    // The canonical text of a list: its products joined by " + ".
    static std::string JoinTerms(const ListaProductos& lista);

    // The text with every blank (' ' only) removed.
    static std::string StripSpaces(const std::string& texto);

    // Read position of the expansion, shared by all its levels.
    std::size_t m_nPos = 0;

private:
    // A set of minterms, bit t for minterm t. The expansion works on these: a
    // letter is the half of the minterms where its variable has its value, a
    // product the intersection of its letters, a contradictory product none.
    using Minterminos = std::uint64_t;
    struct Grupo;

    bool IsLetter(char c) const;
    // The message for the character at i after the previous significant
    // character (0 for none), or the empty text when it is accepted there.
    std::string CharacterError(char anterior, const std::string& ecuacion, std::size_t i) const;
    Minterminos AllMinterms() const;
    Minterminos LetterMinterms(char c) const;
    Minterminos ProductMinterms(const std::string& producto) const;
    std::string MintermText(unsigned t) const;
    ListaProductos MintermTexts(Minterminos conjunto) const;
    // The letters of each product, other characters dropped; a product left
    // without letters is left out.
    ListaProductos LettersOfProducts(const ListaProductos& lista) const;
    // The product of the letters at 1 (bit k for 'A'+k) and at 0 (bit k for
    // 'a'+k), in variable order.
    std::string ProductText(unsigned unos, unsigned ceros) const;
    // Reads the body of a group up to its ')' or the end; true when it stopped
    // at a '(' that opens an inner group.
    bool ReadBody(const std::string& ecuacion, std::size_t fin, Grupo& grupo);
    std::string ReadTrailingLetters(const std::string& ecuacion, std::size_t fin);
    ListaProductos FinishGroup(const Grupo& grupo, const std::string& finales) const;

    unsigned m_nVariables;
    // Minterms of each letter: index 2k for 'a'+k, 2k+1 for 'A'+k.
    std::array<Minterminos, 12> m_letras{};
};
