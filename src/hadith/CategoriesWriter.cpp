// Writing the categories file.
#include "hadith/CategoriesWriter.h"

#include "data/LineCipher.h"
#include "data/TxError.h"

std::string CategoryEntryLine(const TCategoryEntrySource& Entry) {
    const std::string& Caption = Entry.Caption;
    bool Bad = Entry.Level < 0 || Caption.empty() ||
               Caption.find_first_of("\r\n") != std::string::npos || Caption[0] == ' ' ||
               Caption[0] == '\t' || Caption.find(" <A:") != std::string::npos ||
               Entry.Anchor.find_first_of("\r\n") != std::string::npos;
    if (Bad)
        throw ETxError("Cannot store the category \"" + Caption + "\"");
    std::string Line(static_cast<size_t>(Entry.Level), '\t');
    Line += Caption;
    if (!Entry.Anchor.empty())
        Line += " <A:" + Entry.Anchor;
    return Line;
}

std::string CategoriesFileTextFromLines(const TStringList& EntryLines) {
    std::string Text = EncodeLine("<<HINDEX>>", 0) + "\r\n";
    for (size_t i = 0; i < EntryLines.size(); ++i)
        Text += EncodeLine(EntryLines[i], static_cast<int>(i + 1)) + "\r\n";
    return Text;
}

std::string CategoriesFileText(const std::vector<TCategoryEntrySource>& Entries) {
    TStringList Lines;
    for (const TCategoryEntrySource& Entry : Entries)
        Lines.push_back(CategoryEntryLine(Entry));
    return CategoriesFileTextFromLines(Lines);
}

bool WriteCategoriesFile(const std::string& FileName,
                         const std::vector<TCategoryEntrySource>& Entries) {
    return SaveTextToFileAtomic(CategoriesFileText(Entries), FileName);
}
