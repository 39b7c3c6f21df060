// File fingerprints: CRC-32 of a file's remainder after a skipped header,
// written together with the remainder's length in four number bases.
#include "data/Fingerprint.h"

#include "data/TextUtils.h"

#include <zlib.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr size_t CrcBufferSize = 32768;

struct TFileCloser {
    void operator()(std::FILE* F) const { std::fclose(F); }
};

} // namespace

TCrcScanResult FileCrcScan(const std::string& FileName, int64_t Skip) {
    TCrcScanResult Result;
    std::unique_ptr<std::FILE, TFileCloser> File(std::fopen(FileName.c_str(), "rb"));
    if (!File) {
        Result.IoResult = 2; // file not found
        return Result;
    }
    // The header is read byte by byte; running out of it is a read error.
    for (int64_t i = 0; i < Skip; ++i) {
        if (std::fgetc(File.get()) == EOF) {
            Result.IoResult = 100; // read beyond end of file
            return Result;
        }
    }
    uLong Crc = crc32(0L, Z_NULL, 0);
    std::vector<unsigned char> Buffer(CrcBufferSize);
    for (;;) {
        const size_t Got = std::fread(Buffer.data(), 1, Buffer.size(), File.get());
        if (Got > 0) {
            Crc = crc32(Crc, Buffer.data(), static_cast<uInt>(Got));
            Result.BytesRead += static_cast<int64_t>(Got);
        }
        if (std::ferror(File.get())) {
            Result.IoResult = 100;
            break;
        }
        if (Got == 0)
            break;
    }
    // zlib's crc32 already returns the complemented register.
    Result.Crc = static_cast<uint32_t>(Crc);
    return Result;
}

std::string ToRadix(uint32_t Radix, uint32_t Value) {
    static const char Digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    // Bases outside 2..36 have no digits to write with.
    if (Radix < 2 || Radix > 36)
        return std::string();
    std::string Result;
    while (Value != 0) {
        Result.insert(Result.begin(), Digits[Value % Radix]);
        Value /= Radix;
    }
    return Result;
}

std::string FileFingerprint(const std::string& FileName, int64_t Skip) {
    const int64_t Size = FileSizeOf(FileName);
    const int64_t L = Size - Skip;
    // A missing file, or one shorter than its header, has no fingerprint.
    if (Size < 0 || L < 0)
        return std::string();
    const TCrcScanResult Scan = FileCrcScan(FileName, Skip);
    if (Scan.IoResult != 0 || Scan.BytesRead != L)
        return std::string();
    const uint32_t Length = static_cast<uint32_t>(L);
    return ToRadix(32, Scan.Crc) + "-" + ReverseText(ToRadix(22, Length)) + "=" +
           ReverseText(ToRadix(18, Scan.Crc)) + "-" + ReverseText(ToRadix(14, Length));
}
