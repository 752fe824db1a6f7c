#include "platform/Archive.h"

#include <array>

namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 marks the five unassigned bytes.
constexpr std::array<char32_t, 32> kAltos = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t Cp1252ToUnicode(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) {
        // Unassigned bytes map to the C1 controls, as the system's own conversion does.
        return kAltos[b - 0x80] != 0 ? kAltos[b - 0x80] : b;
    }
    return b;
}

unsigned char UnicodeToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<unsigned char>(cp);
    }
    for (std::size_t i = 0; i < kAltos.size(); ++i) {
        if (kAltos[i] == cp) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    if (cp >= 0x80 && cp < 0xA0 && kAltos[cp - 0x80] == 0) {
        return static_cast<unsigned char>(cp);
    }
    return '?';
}

// Decodes one UTF-8 sequence at s[i]; advances i. Returns U+FFFD for a bad one.
char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) {
        return b0;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t minimo = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, cp = b0 & 0x1F, minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, cp = b0 & 0x0F, minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, cp = b0 & 0x07, minimo = 0x10000;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    if (cp < minimo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0xFFFD;
    }
    return cp;
}

}  // namespace

CArchive::CArchive() : m_modo(store) {}

CArchive::CArchive(std::vector<std::uint8_t> bytes) : m_modo(load), m_datos(std::move(bytes)) {}

std::string CArchive::ToCp1252(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        out += static_cast<char>(UnicodeToCp1252(NextCodePoint(utf8, i)));
    }
    return out;
}

std::string CArchive::FromCp1252(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::optional<char32_t> CArchive::FirstUnstorable(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, i);
        if (cp != U'?' && UnicodeToCp1252(cp) == '?') {
            return cp;
        }
    }
    return std::nullopt;
}

void CArchive::WriteUInt(std::uint32_t value) {
    for (int k = 0; k < 4; ++k) {
        m_datos.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
    }
}

void CArchive::WriteString(const std::string& utf8) {
    const std::string bytes = ToCp1252(utf8);
    const auto length = static_cast<std::uint32_t>(bytes.size());
    if (length < 0xFF) {
        m_datos.push_back(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        m_datos.push_back(0xFF);
        m_datos.push_back(static_cast<std::uint8_t>(length));
        m_datos.push_back(static_cast<std::uint8_t>(length >> 8));
    } else {
        m_datos.push_back(0xFF);
        m_datos.push_back(0xFF);
        m_datos.push_back(0xFF);
        WriteUInt(length);
    }
    m_datos.insert(m_datos.end(), bytes.begin(), bytes.end());
}

void CArchive::NeedBytes(std::size_t count) const {
    if (count > Remaining()) {
        throw CArchiveException(CArchiveException::endOfFile, "unexpected end of file");
    }
}

std::uint8_t CArchive::ReadByte() {
    NeedBytes(1);
    return m_datos[m_pos++];
}

std::uint16_t CArchive::ReadWord() {
    NeedBytes(2);
    const auto value = static_cast<std::uint16_t>(m_datos[m_pos] | (m_datos[m_pos + 1] << 8));
    m_pos += 2;
    return value;
}

std::uint32_t CArchive::ReadUInt() {
    NeedBytes(4);
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        value |= static_cast<std::uint32_t>(m_datos[m_pos + k]) << (8 * k);
    }
    m_pos += 4;
    return value;
}

std::uint32_t CArchive::ReadLength() {
    const std::uint8_t b = ReadByte();
    if (b < 0xFF) {
        return b;
    }
    const std::uint16_t w = ReadWord();
    if (w < 0xFFFE) {
        return w;
    }
    if (w == 0xFFFF) {
        return ReadUInt();
    }
    throw CArchiveException(CArchiveException::badFormat, "nested wide text marker");
}

std::string CArchive::ReadString() {
    const std::size_t marca = m_pos;
    bool ancho = false;
    if (ReadByte() == 0xFF && ReadWord() == 0xFFFE) {
        ancho = true;
    } else {
        m_pos = marca;
    }
    const std::uint32_t length = ReadLength();
    if (!ancho) {
        NeedBytes(length);
        std::string bytes(m_datos.begin() + static_cast<std::ptrdiff_t>(m_pos),
                          m_datos.begin() + static_cast<std::ptrdiff_t>(m_pos + length));
        m_pos += length;
        return FromCp1252(bytes);
    }
    // UTF-16LE characters, kept as the single-byte code page would keep them.
    NeedBytes(static_cast<std::size_t>(length) * 2);
    std::string out;
    for (std::uint32_t k = 0; k < length; ++k) {
        char32_t cp = ReadWord();
        if (cp >= 0xD800 && cp <= 0xDBFF && k + 1 < length) {
            const std::size_t antes = m_pos;
            const char32_t bajo = ReadWord();
            if (bajo >= 0xDC00 && bajo <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (bajo - 0xDC00);
                ++k;
            } else {
                m_pos = antes;
            }
        }
        AppendUtf8(out, Cp1252ToUnicode(UnicodeToCp1252(cp)));
    }
    return out;
}
