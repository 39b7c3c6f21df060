// File fingerprints: the CRC-32 scan, the number bases and the text built
// from them, including missing, short and header-skipping files.
#include "data/Fingerprint.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Bytes whose CRC-32 was taken with an independent tool: long enough to
// cross the scan buffer three times over.
std::string LongContent() {
    std::string Bytes(100000, '\0');
    for (size_t i = 0; i < Bytes.size(); ++i)
        Bytes[i] = static_cast<char>((i * 7 + 3) % 256);
    return Bytes;
}

} // namespace

TEST(FileCrcScan, StandardCheckValueAndBufferedScan) {
    TTempDir Dir;
    const struct {
        std::string Bytes;
        int64_t Skip;
        uint32_t Crc;
    } Cases[] = {
        {"123456789", 0, 0xCBF43926u},           {"", 0, 0u},
        {"HEADER\r\n123456789", 8, 0xCBF43926u}, {LongContent(), 0, 0xF730CAA8u},
        {LongContent(), 17, 0x81519B9Du},
    };
    for (const auto& Case : Cases) {
        const std::string File = Dir.Write("f.bin", Case.Bytes);
        const TCrcScanResult Scan = FileCrcScan(File, Case.Skip);
        EXPECT_EQ(Scan.Crc, Case.Crc) << Case.Bytes.size();
        EXPECT_EQ(Scan.IoResult, 0);
        EXPECT_EQ(Scan.BytesRead, int64_t(Case.Bytes.size()) - Case.Skip);
    }
}

TEST(FileCrcScan, MissingFileAndShortHeaderReportAnError) {
    TTempDir Dir;
    const TCrcScanResult Missing = FileCrcScan(Dir.File("absent.dbx"), 0);
    EXPECT_NE(Missing.IoResult, 0);
    EXPECT_EQ(Missing.Crc, 0u);

    const TCrcScanResult Short = FileCrcScan(Dir.Write("short.dbx", "abc"), 4);
    EXPECT_NE(Short.IoResult, 0);
}

TEST(ToRadix, DigitsMostSignificantFirst) {
    const struct {
        uint32_t Radix, Value;
        const char* Text;
    } Cases[] = {
        {14, 0, ""},
        {16, 255, "FF"},
        {32, 32, "10"},
        {2, 5, "101"},
        {36, 35, "Z"},
        {10, 4294967295u, "4294967295"},
        {32, 0xCBF43926u, "35V8E96"},
        {18, 0xCBF43926u, "5AAFF038"},
        {22, 9, "9"},
        {0, 5, ""},
        {1, 5, ""},
        {37, 5, ""},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(ToRadix(Case.Radix, Case.Value), Case.Text) << Case.Radix << " " << Case.Value;
}

TEST(FileFingerprint, TextOfCrcAndLengthInFourBases) {
    TTempDir Dir;
    const std::string Digits = Dir.Write("digits.txt", "123456789");
    EXPECT_EQ(FileFingerprint(Digits, 0), "35V8E96-9=830FFAA5-9");
    EXPECT_EQ(FileFingerprint(Digits, 9), "-=-"); // nothing after the skip
    EXPECT_EQ(FileFingerprint(Dir.Write("empty.txt", ""), 0), "-=-");

    // Several digits per part, the length parts reversed (100000 is 98DA in
    // base 22 and 2862C in base 14); worked out with an independent tool.
    EXPECT_EQ(FileFingerprint(Dir.Write("long.bin", LongContent()), 0),
              "3RJ1IL8-AD89=25HFDGD6-C2682");
}

TEST(FileFingerprint, EmptyWhenTheFileCannotGiveOne) {
    TTempDir Dir;
    const std::string Digits = Dir.Write("digits.txt", "123456789");
    EXPECT_EQ(FileFingerprint(Dir.File("absent.dbx"), 0), "");
    EXPECT_EQ(FileFingerprint(Dir.File("absent.dbx"), 5), "");
    EXPECT_EQ(FileFingerprint(Digits, 10), ""); // one byte short of the header
    EXPECT_EQ(FileFingerprint(Digits, 50), "");
    EXPECT_EQ(FileFingerprint(Dir.Path(), 0), ""); // a folder is no file
}

TEST(FileFingerprint, OnlyTheBodyAfterTheHeaderCounts) {
    TTempDir Dir;
    const std::string Body = "line one\r\nline two\r\n";
    const std::string Print = FileFingerprint(Dir.Write("a.dbh", "HEAD1\r\n" + Body), 7);
    EXPECT_FALSE(Print.empty());
    // Same length header, other bytes: same fingerprint.
    EXPECT_EQ(FileFingerprint(Dir.Write("b.dbh", "HEAD2\r\n" + Body), 7), Print);
    // One body byte changed: another fingerprint.
    EXPECT_NE(FileFingerprint(Dir.Write("c.dbh", "HEAD1\r\nline One\r\nline two\r\n"), 7), Print);
    // The check is a text comparison: case matters.
    EXPECT_NE(FileFingerprint(Dir.Write("d.dbh", "123456789"), 0), "35v8e96-9=830ffaa5-9");
}
