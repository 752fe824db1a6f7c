#include "platform/Archive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Stored(const std::string& text) {
    CArchive ar;
    ar << text;
    return ar.Bytes();
}

TEST(ArchiveText, LengthPrefixHasOneThreeOrSevenBytes) {
    EXPECT_EQ(Stored(""), (std::vector<std::uint8_t>{0x00}));
    EXPECT_EQ(Stored("1,3"), (std::vector<std::uint8_t>{0x03, '1', ',', '3'}));
    const auto b254 = Stored(std::string(254, 'a'));
    EXPECT_EQ(b254.size(), 255u);
    EXPECT_EQ(b254[0], 254);
    const auto b300 = Stored(std::string(300, 'a'));
    ASSERT_EQ(b300.size(), 303u);
    EXPECT_EQ(b300[0], 0xFF);
    EXPECT_EQ(b300[1], 0x2C);
    EXPECT_EQ(b300[2], 0x01);
    const auto big = Stored(std::string(70000, 'a'));
    ASSERT_EQ(big.size(), 70007u);
    EXPECT_EQ((std::vector<std::uint8_t>(big.begin(), big.begin() + 7)),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
}

TEST(ArchiveText, RoundTripsEveryLengthClass) {
    for (std::size_t length : {0u, 1u, 254u, 255u, 65533u, 65534u, 70000u}) {
        const std::string text(length, 'x');
        CArchive in(Stored(text));
        EXPECT_EQ(in.ReadString(), text) << length;
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(ArchiveText, Windows1252InTheFileUtf8InMemory) {
    EXPECT_EQ(Stored("función"),
              (std::vector<std::uint8_t>{7, 'f', 'u', 'n', 'c', 'i', 0xF3, 'n'}));
    EXPECT_EQ(Stored("€"), (std::vector<std::uint8_t>{1, 0x80}));
    // Characters the code page cannot hold, and broken UTF-8, become '?'.
    EXPECT_EQ(Stored("Σ"), (std::vector<std::uint8_t>{1, '?'}));
    EXPECT_EQ(Stored(std::string("a\xC3", 2)), (std::vector<std::uint8_t>{2, 'a', '?'}));
    CArchive in(std::vector<std::uint8_t>{4, 'a', 0xF1, 0x80, 0x9C});
    EXPECT_EQ(in.ReadString(), "añ€œ");
}

TEST(ArchiveText, ReadsTheWideForm) {
    // 0xFF 0xFFFE, then a length of UTF-16 characters.
    CArchive in(std::vector<std::uint8_t>{0xFF, 0xFE, 0xFF, 3, 'o', 0, 0xF1, 0, 0xA3, 0x03});
    EXPECT_EQ(in.ReadString(), "oñ?");
}

TEST(ArchiveText, CutShortRecordsFailAsEndOfFile) {
    const std::vector<std::vector<std::uint8_t>> cortos = {
        {},
        {5, 'a', 'b'},
        {0xFF, 0x10},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},  // claims 2 GiB
        {0xFF, 0xFE, 0xFF, 2, 'a'},
    };
    for (const auto& bytes : cortos) {
        CArchive in(bytes);
        try {
            in.ReadString();
            ADD_FAILURE() << "read past the end";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
        }
    }
}

TEST(ArchiveNumbers, LittleEndianWords) {
    CArchive out;
    out << std::uint32_t{2} << std::uint32_t{0x01020304};
    EXPECT_EQ(out.Bytes(), (std::vector<std::uint8_t>{2, 0, 0, 0, 4, 3, 2, 1}));
    CArchive in(out.Bytes());
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    in >> a >> b;
    EXPECT_EQ(a, 2u);
    EXPECT_EQ(b, 0x01020304u);
    EXPECT_THROW(in.ReadUInt(), CArchiveException);
}

TEST(ArchiveText, FindsTheFirstCharacterTheCodePageCannotHold) {
    EXPECT_EQ(CArchive::FirstUnstorable("¿Qué? € – “ñ” ÿ"), std::nullopt);
    EXPECT_EQ(CArchive::FirstUnstorable("a東b🚦"), std::optional<char32_t>(U'東'));
    EXPECT_EQ(CArchive::FirstUnstorable("Ω"), std::optional<char32_t>(U'Ω'));
}

}  // namespace
