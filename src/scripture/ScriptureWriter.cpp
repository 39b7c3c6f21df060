// Writing scripture text modules.
#include "scripture/ScriptureWriter.h"

#include "data/LineCipher.h"
#include "scripture/ChapterTable.h"
#include "scripture/ResourceFile.h"

namespace {

bool HasLineBreak(const std::string& Text) {
    return Text.find_first_of("\r\n") != std::string::npos;
}

} // namespace

std::string ScrambleLine(const std::string& Plain) {
    return ReverseText(MirrorChars(Plain));
}

bool BuildScriptureText(const std::vector<TStringList>& Chapters, std::string& Text) {
    Text.clear();
    if (Chapters.size() > static_cast<size_t>(ChapterCount))
        return false;
    std::string Out;
    for (int Chapter = 1; Chapter <= ChapterCount; ++Chapter) {
        const int Count = ChapterVerseCount(Chapter);
        static const TStringList NoVerses;
        const TStringList& Verses =
            static_cast<size_t>(Chapter) <= Chapters.size() ? Chapters[Chapter - 1] : NoVerses;
        if (Verses.size() > static_cast<size_t>(Count))
            return false;
        // The chapter line is not read by the program; it names the chapter.
        Out += ScrambleLine(std::to_string(Chapter) + "|" + ChapterName(Chapter, 0)) + "\r\n";
        for (int Verse = 1; Verse <= Count; ++Verse) {
            const std::string VerseText =
                static_cast<size_t>(Verse) <= Verses.size() ? Verses[Verse - 1] : std::string();
            if (HasLineBreak(VerseText))
                return false;
            Out += ScrambleLine(std::to_string(Verse) + "|" + VerseText) + "\r\n";
        }
    }
    Text = std::move(Out);
    return true;
}

bool WriteScriptureModule(const std::string& FileName, const std::vector<TStringList>& Chapters) {
    std::string Text;
    return BuildScriptureText(Chapters, Text) && WriteResourceFile(FileName, {{"QDATA", Text}});
}
