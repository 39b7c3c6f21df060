// File fingerprints: the CRC-32 and length of a file written in four bases.
#pragma once

#include <cstdint>
#include <string>

struct TCrcScanResult {
    uint32_t Crc = 0;
    int IoResult = 0;
    int64_t BytesRead = 0;
};

TCrcScanResult FileCrcScan(const std::string& FileName, int64_t Skip);
std::string FileFingerprint(const std::string& FileName, int64_t Skip);
std::string ToRadix(uint32_t Radix, uint32_t Value);
