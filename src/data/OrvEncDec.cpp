// The cipher component of the line cipher (see OrvEncDec.h).
#include "data/OrvEncDec.h"

#include <cryptopp/ripemd.h>

#include <cstring>

void TOrvEncDec::InitKey(const std::string& KeyString) {
    static_assert(CryptoPP::RIPEMD256::DIGESTSIZE == 32, "the key is the whole digest");
    CryptoPP::RIPEMD256 Hash;
    Hash.CalculateDigest(FKey.data(), reinterpret_cast<const uint8_t*>(KeyString.data()),
                         KeyString.size());
    FEncipher.SetKey(FKey.data(), FKey.size());
    FDecipherKeyed = false;
    TBlock AllOnes;
    AllOnes.fill(0xFF);
    FEncipher.ProcessBlock(AllOnes.data(), FIV.data());
    FFeedback = FIV;
}

void TOrvEncDec::Encode(uint8_t* Data, size_t Length) {
    FFeedback = FIV;
    size_t i = 0;
    for (; i + BlockSize <= Length; i += BlockSize) {
        TBlock P;
        for (size_t k = 0; k < BlockSize; ++k)
            P[k] = Data[i + k] ^ FFeedback[k];
        FEncipher.ProcessBlock(P.data(), Data + i);
        for (size_t k = 0; k < BlockSize; ++k)
            FFeedback[k] ^= Data[i + k];
    }
    FinishPartial(Data + i, Length - i);
}

void TOrvEncDec::Decode(uint8_t* Data, size_t Length) {
    FFeedback = FIV;
    if (Length >= BlockSize && !FDecipherKeyed) {
        FDecipher.SetKey(FKey.data(), FKey.size());
        FDecipherKeyed = true;
    }
    size_t i = 0;
    for (; i + BlockSize <= Length; i += BlockSize) {
        TBlock C;
        std::memcpy(C.data(), Data + i, BlockSize);
        FDecipher.ProcessBlock(C.data(), Data + i);
        for (size_t k = 0; k < BlockSize; ++k) {
            Data[i + k] ^= FFeedback[k];
            FFeedback[k] ^= C[k];
        }
    }
    FinishPartial(Data + i, Length - i);
}

void TOrvEncDec::FinishPartial(uint8_t* Data, size_t Rest) {
    if (Rest == 0)
        return;
    TBlock B;
    FEncipher.ProcessBlock(FFeedback.data(), B.data());
    for (size_t k = 0; k < Rest; ++k)
        Data[k] ^= B[k];
    for (size_t k = 0; k < BlockSize; ++k)
        FFeedback[k] ^= B[k];
}
