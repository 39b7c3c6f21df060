#include "app/ui/ExpectedFingerprints.h"

// Written by the content build next to the files it makes, so the program
// and its content never disagree.
#include "BuiltInFingerprints.h"

std::string ExpectedCategoriesFingerprint() {
    return HIndexFingerprint;
}
std::string ExpectedGlossaryFingerprint() {
    return GlossFingerprint;
}
std::string ExpectedArabicScriptureFingerprint() {
    return ArabicScriptureFingerprint;
}
std::string ExpectedEnglishScriptureFingerprint() {
    return EnglishScriptureFingerprint;
}
std::string ExpectedRemoteAudioFingerprint() {
    return RemoteAudioFingerprint;
}
