// Writing the recitation index.
#include "scripture/AudioIndexWriter.h"

#include "data/LineCipher.h"
#include "scripture/ChapterTable.h"

TStringList AudioIndexHeader() {
    return {"Tarvix Remote Recitation Index", "Format=1",
            "Verses=" + std::to_string(TotalVerseCount), "Folder=/Quran_RAM/"};
}

std::string AudioVerseFileName(int Chapter, int Verse) {
    return IntToZeroPadded(Chapter, 3) + IntToZeroPadded(Verse, 3) + ".ram";
}

bool IsValidAudioFileName(const std::string& Name) {
    if (Name.empty() || Name == "." || Name == "..")
        return false;
    for (unsigned char C : Name)
        if (C < 32 || C == 127 || C == '/' || C == '\\' || C == ':')
            return false;
    return true;
}

bool BuildAudioIndex(const TStringList& VerseFiles, std::string& Text) {
    Text.clear();
    if (VerseFiles.size() > static_cast<size_t>(TotalVerseCount))
        return false;
    TStringList Lines = AudioIndexHeader();
    for (const std::string& Name : VerseFiles) {
        if (!IsValidAudioFileName(Name))
            return false;
        Lines.push_back(Name);
    }
    std::string Out;
    for (size_t I = 0; I < Lines.size(); ++I)
        Out += EncodeLine(Lines[I], static_cast<int>(I)) + "\r\n";
    Text = std::move(Out);
    return true;
}

TStringList DefaultAudioVerseFiles() {
    TStringList Names;
    Names.reserve(TotalVerseCount);
    for (int Chapter = 1; Chapter <= ChapterCount; ++Chapter)
        for (int Verse = 1, Count = ChapterVerseCount(Chapter); Verse <= Count; ++Verse)
            Names.push_back(AudioVerseFileName(Chapter, Verse));
    return Names;
}

bool WriteAudioIndex(const std::string& FileName, const TStringList& VerseFiles) {
    std::string Text;
    return BuildAudioIndex(VerseFiles, Text) && SaveTextToFileAtomic(Text, FileName);
}
