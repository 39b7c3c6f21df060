// A small INI file in memory: "[Section]" headers and "Key=Value" lines, read
// and written the way the settings file has always been handled (names
// compared without regard to ASCII case, values trimmed, one pair of enclosing
// quotes dropped, booleans as "1"/"0", integers in decimal). Lines the reader
// does not understand are kept as they are, so saving changes only the keys
// that were written.
#pragma once

#include <string>
#include <vector>

class TIniFile {
public:
    // Replaces the content by the file's; false (and empty) when it cannot be read.
    bool LoadFromFile(const std::string& FileName);
    void LoadFromText(const std::string& Text);
    // The whole file, one line per entry.
    std::string ToText() const;
    // Writes the whole file through a temporary file and a rename; false on failure.
    bool SaveToFile(const std::string& FileName) const;

    bool SectionExists(const std::string& Section) const;
    bool ValueExists(const std::string& Section, const std::string& Key) const;

    // A missing key gives Default; a present key its value, even when empty.
    std::string ReadString(const std::string& Section, const std::string& Key,
                           const std::string& Default) const;
    // A missing key or a value that is not a decimal 32-bit integer gives Default.
    int ReadInteger(const std::string& Section, const std::string& Key, int Default) const;
    // True for any non-zero integer.
    bool ReadBool(const std::string& Section, const std::string& Key, bool Default) const;

    // Sets the first matching key; a new key goes after the last key of its
    // section, a new section at the end of the file.
    void WriteString(const std::string& Section, const std::string& Key, const std::string& Value);
    void WriteInteger(const std::string& Section, const std::string& Key, int Value);
    void WriteBool(const std::string& Section, const std::string& Key, bool Value);

private:
    struct TLine {
        std::string Raw;   // the line as stored
        std::string Key;   // trimmed name before "=", empty for other lines
        std::string Value; // value as read back
        bool IsEntry = false;
    };
    struct TSection {
        std::string Name; // trimmed; the part before the first header has none
        bool HasHeader = false;
        std::string HeaderRaw;
        std::vector<TLine> Lines;
    };

    int SectionIndex(const std::string& Section) const; // -1 when absent
    const TLine* FindEntry(const std::string& Section, const std::string& Key) const;

    std::vector<TSection> FSections;
};

// The stored form of a value: quoted when the reader would otherwise lose
// leading or trailing blanks or a pair of enclosing quotes; line breaks are
// dropped because they would split the entry.
std::string IniValueText(const std::string& Value);
// The value of a stored "Key=Value" text after the "=": trimmed, one pair of
// enclosing double or single quotes removed.
std::string IniReadValue(const std::string& Stored);
