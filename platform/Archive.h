#pragma once
// The document archive: a byte stream written or read field by field, in the
// layout the document files have always had (little-endian integers, texts as
// Windows-1252 bytes behind a 1-, 3- or 7-byte length prefix). Texts are UTF-8 in
// memory. Reading never trusts a length: a record that claims more bytes than
// the file still holds fails as a cut-short file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class CArchiveException : public std::runtime_error {
public:
    enum Cause { endOfFile, badFormat };
    CArchiveException(Cause cause, const std::string& what)
        : std::runtime_error(what), m_cause(cause) {}
    Cause m_cause;
};

class CArchive {
public:
    enum Mode { store, load };

    // An archive that stores into an empty buffer.
    CArchive();
    // An archive that loads from the given bytes.
    explicit CArchive(std::vector<std::uint8_t> bytes);

    bool IsStoring() const { return m_modo == store; }
    bool IsLoading() const { return m_modo == load; }

    void WriteUInt(std::uint32_t value);
    void WriteString(const std::string& utf8);
    std::uint32_t ReadUInt();
    std::string ReadString();

    CArchive& operator<<(std::uint32_t value) {
        WriteUInt(value);
        return *this;
    }
    CArchive& operator<<(const std::string& text) {
        WriteString(text);
        return *this;
    }
    CArchive& operator>>(std::uint32_t& value) {
        value = ReadUInt();
        return *this;
    }
    CArchive& operator>>(std::string& text) {
        text = ReadString();
        return *this;
    }

    const std::vector<std::uint8_t>& Bytes() const { return m_datos; }
    std::size_t Remaining() const { return m_datos.size() - m_pos; }

    // Windows-1252 <-> UTF-8. A character that Windows-1252 cannot hold, and a
    // byte that is not valid UTF-8, become '?'.
    static std::string ToCp1252(const std::string& utf8);
    static std::string FromCp1252(const std::string& bytes);
    // The first character of the text that Windows-1252 cannot hold, if any:
    // it would be written as '?'.
    static std::optional<char32_t> FirstUnstorable(const std::string& utf8);

private:
    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::uint32_t ReadLength();
    void NeedBytes(std::size_t count) const;

    Mode m_modo;
    std::vector<std::uint8_t> m_datos;
    std::size_t m_pos = 0;
};
