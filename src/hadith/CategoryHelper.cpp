// Reading the categories file and building the category tree from it.
#include "hadith/CategoryHelper.h"

#include "app/AppGlobals.h"
#include "app/Shell.h"
#include "data/Fingerprint.h"
#include "data/LineCipher.h"
#include "data/TxError.h"

THadithCatHelper HadithCatHelper;

void ResetHadithCatHelper() {
    HadithCatHelper.Reset();
}

namespace {

const std::string AnchorDelim = " <A:";

// The part of an entry line before its anchor (the whole line without one).
std::string WithoutAnchor(const std::string& Line) {
    std::string Before = TextBefore(Line, AnchorDelim);
    return Before.empty() ? Line : Before;
}

int NodeLevel(const TTreeAccess& Tree, TTreeNodeRef Node) {
    int Level = 0;
    for (TTreeNodeRef P = Tree.ParentOf(Node); P; P = Tree.ParentOf(P))
        ++Level;
    return Level;
}

} // namespace

THadithCatHelper::THadithCatHelper(const std::string& FileName,
                                   const std::string& ExpectedFingerprint)
    : FFileName(FileName), FExpectedFingerprint(ExpectedFingerprint) {}

std::string THadithCatHelper::FileName() const {
    return FFileName.empty() ? AppPath + "HIndex.dbx" : FFileName;
}

void THadithCatHelper::Reset() {
    FFileName.clear();
    FExpectedFingerprint.clear();
    FLines.clear();
}

bool THadithCatHelper::Verify() {
    std::string Name = FileName();
    if (!FileExists(Name)) {
        VerificationFailed();
        return false;
    }
    std::string Computed = FileFingerprint(Name, 0);
    Shell().SetVerifyStatus(Computed);
    if (!Computed.empty() && Computed == FExpectedFingerprint)
        return true;
    VerificationFailed();
    return false;
}

void THadithCatHelper::LoadCategories() {
    std::string Name = FileName();
    std::string Text;
    if (!LoadFileText(Name, Text))
        throw ETxError("Cannot open file \"" + Name + "\"");
    TStringList Read = TextToLines(Text);
    for (size_t i = 0; i < Read.size(); ++i)
        Read[i] = DecodeLine(Read[i], static_cast<int>(i));
    if (!Read.empty())
        Read.erase(Read.begin());
    FLines = std::move(Read);
}

TCategoryLine THadithCatHelper::ParseCategoryLine(const std::string& Line) {
    TCategoryLine Result;
    size_t i = 0;
    while (i < Line.size() && (Line[i] == '\t' || Line[i] == ' '))
        ++i;
    Result.Level = static_cast<int>(i);
    std::string Rest = Line.substr(i);
    std::string Anchor = TextAfter(Rest, AnchorDelim);
    if (!Anchor.empty())
        Result.Anchor = "<A:" + Anchor;
    Result.Caption = WithoutAnchor(Rest);
    return Result;
}

TStringList THadithCatHelper::CategoryBranch(const std::string& Caption) const {
    TStringList Branch;
    if (FLines.empty())
        return Branch;
    size_t Start = 0;
    for (size_t i = 0; i < FLines.size(); ++i)
        if (WithoutAnchor(FLines[i]) == Caption) {
            Start = i;
            break;
        }
    Branch.push_back(FLines[Start]);
    for (size_t i = Start + 1; i < FLines.size() && !FLines[i].empty() && FLines[i][0] == '\t'; ++i)
        Branch.push_back(FLines[i]);
    return Branch;
}

void THadithCatHelper::BuildCategoryTree(TTreeAccess& Tree, TTreeNodeRef Root) const {
    Tree.BeginUpdate();
    for (const std::string& Line : FLines) {
        std::string T = WithoutAnchor(Line);
        if (!T.empty() && T[0] == '\t')
            continue;
        TStringList Branch = CategoryBranch(ParseCategoryLine(T).Caption);
        TTreeNodeRef Parent = Root;
        for (const std::string& B : Branch) {
            TCategoryLine Entry = ParseCategoryLine(B);
            if (Parent == Root) {
                Parent = Tree.AddChild(Root, Entry.Caption);
                Tree.SetImages(Parent, 0, 0);
                continue;
            }
            int D = NodeLevel(Tree, Parent);
            if (Entry.Level >= D + 2) {
                Tree.EndUpdate();
                throw ETxError("Invalid level (" + std::to_string(Entry.Level) + ") for item \"" +
                               Entry.Caption + "\"");
            }
            if (Entry.Level < D) {
                Tree.SetImages(Parent, 1, 2);
                while (Parent && D > Entry.Level) {
                    Parent = Tree.ParentOf(Parent);
                    --D;
                }
            }
            Parent = Tree.AddChild(Parent, Entry.Caption);
            Tree.SetImages(Parent, 1, 2);
        }
        Tree.ExpandAll();
    }
    Tree.EndUpdate();
}
