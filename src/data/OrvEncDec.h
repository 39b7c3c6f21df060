// The cipher component of the line cipher: Blowfish keyed from a RIPEMD-256
// digest, chained in the content files' own mode. One shared instance; it is
// not reentrant, every line re-keys it.
#pragma once

#include <cryptopp/blowfish.h>
#include <cryptopp/secblock.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class TOrvEncDec {
public:
    static constexpr size_t BlockSize = 8;
    using TBlock = std::array<uint8_t, BlockSize>;

    // Key = the whole RIPEMD-256 digest of KeyString; IV = E_K(eight 0xFF).
    // The deciphering key schedule is built only when a line first needs it:
    // enciphering and lines shorter than a block use E_K alone.
    void InitKey(const std::string& KeyString);
    // Both work in place; the output is exactly as long as the input and the
    // feedback register starts at the IV for every call.
    void Encode(uint8_t* Data, size_t Length);
    void Decode(uint8_t* Data, size_t Length);

    const TBlock& IV() const { return FIV; }

private:
    // The final r < 8 bytes: XOR with the first r bytes of E_K(F).
    void FinishPartial(uint8_t* Data, size_t Rest);

    CryptoPP::Blowfish::Encryption FEncipher;
    CryptoPP::Blowfish::Decryption FDecipher;
    // Key material kept for the deciphering schedule; wiped when freed.
    CryptoPP::FixedSizeSecBlock<CryptoPP::byte, 32> FKey;
    bool FDecipherKeyed = false;
    TBlock FIV{};
    TBlock FFeedback{};
};
