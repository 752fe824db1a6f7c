#include <gtest/gtest.h>

#include "platform/Archive.h"
#include "tests/logic/SistemaPrueba.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Guardar(CSistema& s) {
    CArchive ar;
    s.Serialize(ar);
    return ar.Bytes();
}

std::unique_ptr<CSistema> Abrir(const Bytes& bytes) {
    auto s = std::make_unique<CSistema>();
    CArchive ar(bytes);
    s->Serialize(ar);
    s->RebuildAfterLoad();
    return s;
}

std::unique_ptr<CSistema> Ejemplo() {
    auto s = NuevoSistema(3, 2);
    s->m_bProcesarPos = true;
    s->m_bTodasSoluciones = true;
    s->ApplyEquations(TextosFuncion{"AB", "c"},
                      TextosFuncion{"ABc + ABC", "abc + aBc + Abc + ABc"});
    TextosFuncion min{s->GetMintermText(0), s->GetMintermText(1)};
    TextosFuncion dc{"5", ""};
    s->ApplyMinterms(min, dc);
    s->SetDescription("Sumador de prueba, año 1999");
    return s;
}

TEST(DocumentFile, StartsWithTheTwoNumbers) {
    auto s = NuevoSistema(2, 1);
    const Bytes bytes = Guardar(*s);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), (Bytes{2, 0, 0, 0, 1, 0, 0, 0}));
}

TEST(DocumentFile, HoldsTheDescriptionAndFourRecordsPerFunction) {
    auto s = Ejemplo();
    const Bytes bytes = Guardar(*s);
    CArchive ar(bytes);
    ar.ReadUInt();
    ar.ReadUInt();
    EXPECT_EQ(ar.ReadString(), "Sumador de prueba, año 1999");
    const std::vector<std::string> esperados = {"AB", "6,7",     "5", "0,1,2,3,4",
                                                "c",  "0,2,4,6", "",  "1,3,5,7"};
    for (const auto& texto : esperados) {
        EXPECT_EQ(ar.ReadString(), texto);
    }
    EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(DocumentFile, LongDescriptionUsesTheThreeBytePrefix) {
    auto s = NuevoSistema(1, 1);
    s->SetDescription(std::string(300, 'd'));
    const Bytes bytes = Guardar(*s);
    EXPECT_EQ(Bytes(bytes.begin() + 8, bytes.begin() + 11), (Bytes{0xFF, 0x2C, 0x01}));
}

TEST(DocumentFile, RoundTripKeepsTextsAndResetsEverythingElse) {
    auto s = Ejemplo();
    const Bytes bytes = Guardar(*s);
    auto r = Abrir(bytes);
    EXPECT_EQ(Guardar(*r), bytes);
    EXPECT_EQ(r->GetNumVariables(), 3u);
    EXPECT_EQ(r->GetNumFunctions(), 2u);
    EXPECT_EQ(r->GetNumTerms(), 8u);
    EXPECT_EQ(r->GetDescription(), s->GetDescription());
    EXPECT_EQ(r->GetEquation(0), "AB");
    EXPECT_EQ(r->GetDontCareText(0), "5");
    EXPECT_FALSE(r->m_bModificado);
    // Options are not stored: they come back at their defaults.
    EXPECT_FALSE(r->m_bProcesarPos);
    EXPECT_FALSE(r->m_bTodasSoluciones);
    EXPECT_NE(r->m_pPrimosSop, nullptr);
    EXPECT_EQ(r->m_pPrimosPos, nullptr);
}

TEST(DocumentFile, TermsComeFromTheMintermTextNotTheEquation) {
    auto s = NuevoSistema(2, 1);
    s->ApplyEquations(TextosFuncion{"A"}, TextosFuncion{"Ab + AB"});
    s->m_strEcuaciones[0] = "B";
    auto r = Abrir(Guardar(*s));
    EXPECT_EQ(r->GetMintermText(0), "2,3");
    EXPECT_EQ(r->GetEquation(0), "B");
}

TEST(DocumentFile, UnsortedTextsAreRewrittenAndNoteTheChange) {
    CArchive ar;
    ar << std::uint32_t{2} << std::uint32_t{1} << std::string("") << std::string("")
       << std::string("3, 1") << std::string("") << std::string("2,0");
    auto r = Abrir(ar.Bytes());
    EXPECT_EQ(r->GetMintermText(0), "1,3");
    EXPECT_TRUE(r->m_bModificado);
}

void ExpectRefused(const Bytes& bytes, CArchiveException::Cause cause) {
    CSistema s;
    CArchive ar(bytes);
    try {
        s.Serialize(ar);
        ADD_FAILURE() << "accepted a damaged file";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, cause);
    }
    // Nothing was half-loaded.
    EXPECT_EQ(s.GetNumVariables(), 1u);
    EXPECT_EQ(s.GetNumFunctions(), 1u);
    EXPECT_EQ(s.GetDescription(), "");
    EXPECT_EQ(s.GetMintermText(0), "");
}

Bytes Archivo(UINT n, UINT m, const std::string& minterminos) {
    CArchive ar;
    ar << n << m << std::string("d");
    for (UINT f = 0; f < m && f < 6; ++f) {
        ar << std::string("") << minterminos << std::string("") << std::string("");
    }
    return ar.Bytes();
}

TEST(DamagedFiles, NumbersOutOfRangeAreRefused) {
    for (auto [n, m] : {std::pair{0u, 1u}, {7u, 1u}, {1u, 0u}, {2u, 7u}, {0xFFFFFFFFu, 1u}}) {
        ExpectRefused(Archivo(n, m, ""), CArchiveException::badFormat);
    }
}

TEST(DamagedFiles, MalformedTermTextsAreRefused) {
    for (const char* texto : {"4", "1,a", "4294967297", "1;2", "-1", "1.5"}) {
        ExpectRefused(Archivo(2, 1, texto), CArchiveException::badFormat);
    }
    EXPECT_NO_THROW(Abrir(Archivo(2, 1, " 3 , 1,,")));
}

TEST(DamagedFiles, EveryCutShortFileIsRefused) {
    auto s = Ejemplo();
    const Bytes bytes = Guardar(*s);
    for (std::size_t largo = 0; largo < bytes.size(); ++largo) {
        ExpectRefused(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(largo)),
                      CArchiveException::endOfFile);
    }
}

TEST(DamagedFiles, ALengthPastTheEndAllocatesNothing) {
    Bytes bytes{1, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF};
    ExpectRefused(bytes, CArchiveException::endOfFile);
}

}  // namespace
