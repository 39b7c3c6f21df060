// Collection registry, groups, Active View and installation.
#include "hadith/CollectionManager.h"

#include "app/AppGlobals.h"
#include "app/Shell.h"
#include "data/TxError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

THadithCollManager HadithCollManager;
std::string ProbedCollectionName;

namespace {

ETxError IndexError(int Index) {
    return ETxError("List index out of bounds (" + std::to_string(Index) + ")");
}

void InstallMessage(uint8_t Kind, const std::string& Heading, const std::string& Text) {
    ShowMsgDlg(Kind, MsgHeightSmall, true, Heading, Text, mbsOK);
}

std::string FileNamePart(const std::string& FileName) {
    const size_t Slash = FileName.rfind('/');
    return Slash == std::string::npos ? FileName : FileName.substr(Slash + 1);
}

std::string FolderPart(const std::string& FileName) {
    const size_t Slash = FileName.rfind('/');
    return Slash == std::string::npos ? std::string("./") : FileName.substr(0, Slash + 1);
}

// Two names for one file (links, "./" and the like) must not be copied onto
// each other: that would empty the file.
bool SameFile(const std::string& A, const std::string& B) {
    struct stat SA, SB;
    return ::stat(A.c_str(), &SA) == 0 && ::stat(B.c_str(), &SB) == 0 && SA.st_dev == SB.st_dev &&
           SA.st_ino == SB.st_ino;
}

// Clears the "read-only" state so the file may be replaced.
void MakeWritable(const std::string& Name) {
    struct stat St;
    if (::stat(Name.c_str(), &St) == 0)
        ::chmod(Name.c_str(), (St.st_mode & 07777) | S_IWUSR);
}

bool CopyBytes(int From, int To) {
    char Buffer[65536];
    for (;;) {
        const ssize_t Got = ::read(From, Buffer, sizeof Buffer);
        if (Got == 0)
            return true;
        if (Got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        ssize_t Done = 0;
        while (Done < Got) {
            const ssize_t Put = ::write(To, Buffer + Done, static_cast<size_t>(Got - Done));
            if (Put < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            Done += Put;
        }
    }
}

// Copies Source to a new temporary file beside Target; empty on failure.
std::string CopyToTemporary(const std::string& Source, const std::string& Target) {
    const int From = ::open(Source.c_str(), O_RDONLY | O_CLOEXEC);
    if (From < 0)
        return std::string();
    std::string Temp;
    int To = -1;
    for (unsigned Attempt = 0; To < 0 && Attempt < 100; ++Attempt) {
        Temp = Target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(Attempt);
        To = ::open(Temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (To < 0 && errno != EEXIST)
            break;
    }
    if (To < 0) {
        ::close(From);
        return std::string();
    }
    bool Ok = CopyBytes(From, To) && ::fsync(To) == 0;
    Ok = (::close(To) == 0) && Ok;
    ::close(From);
    if (!Ok) {
        ::unlink(Temp.c_str());
        return std::string();
    }
    return Temp;
}

void SyncFolder(const std::string& Folder) {
    const int Fd = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd >= 0) {
        ::fsync(Fd);
        ::close(Fd);
    }
}

// Puts a copy of Source in place of Target, keeping a former Target as
// Backup. The copy is complete before anything is renamed, so a failed copy
// leaves the installed file as it was; true only when the new copy is in place.
bool InstallFile(const std::string& Source, const std::string& Target, const std::string& Backup) {
    const std::string Temp = CopyToTemporary(Source, Target);
    if (Temp.empty())
        return false;
    const bool HadTarget = FileExists(Target);
    if (HadTarget) {
        if (FileExists(Backup)) {
            MakeWritable(Backup);
            ::unlink(Backup.c_str());
        }
        MakeWritable(Target);
        if (::rename(Target.c_str(), Backup.c_str()) != 0) {
            // Without a backup the former file would be lost: install nothing.
            ::unlink(Temp.c_str());
            return false;
        }
    }
    if (::rename(Temp.c_str(), Target.c_str()) != 0) {
        ::unlink(Temp.c_str());
        if (HadTarget)
            ::rename(Backup.c_str(), Target.c_str());
        return false;
    }
    SyncFolder(FolderPart(Target));
    return true;
}

} // namespace

std::string ViewKey(const THadithHelper& Collection) {
    return Collection.CollectionID() + "::" + Collection.CollectionName();
}

std::string ViewKeyName(const std::string& KeyOrName) {
    return KeyOrName.find("::") == std::string::npos ? KeyOrName : TextAfter(KeyOrName, "::");
}

bool THadithCollManager::Verify() {
    for (const auto& Collection : FCollections) {
        Collection->Verify();
        Shell().Pause(200);
    }
    return true;
}

bool THadithCollManager::HasCollection(const THadithHelper* Collection) const {
    return Collection && FindCollection(Collection->CollectionName()) != nullptr;
}

THadithHelper* THadithCollManager::AddCollection(std::unique_ptr<THadithHelper> Collection) {
    if (!Collection || HasCollection(Collection.get()))
        return nullptr;
    FCollections.push_back(std::move(Collection));
    THadithHelper* Added = FCollections.back().get();
    AddToGroup(Added);
    return Added;
}

void THadithCollManager::LoadCollections() {
    if (VerificationHasFailed)
        return;
    TStringList Files;
    ListFolder(AppPath + "*.dbh", faReadOnly | faArchive, Files);
    for (const std::string& Name : Files) {
        std::unique_ptr<THadithHelper> Collection;
        try {
            Collection = std::make_unique<THadithHelper>(AppPath + Name);
        } catch (const std::exception&) {
            FBadCollections.push_back(Name);
            continue;
        }
        const std::string Note = MissingFontNote ? MissingFontNote(*Collection) : std::string();
        if (!Note.empty())
            FMissingFontCollections.push_back(Note);
        else if (Collection->IsValid() && !HasCollection(Collection.get()))
            AddCollection(std::move(Collection));
        else if (!Collection->IsValid())
            FBadCollections.push_back(Name);
        // A valid file of a name already registered (the built-in collections
        // found again) is dropped silently.
    }
    InitCaption("Loading...");
}

int THadithCollManager::IndexOfObject(const THadithHelper* Collection) const {
    for (size_t I = 0; I < FCollections.size(); ++I)
        if (Collection && FCollections[I].get() == Collection)
            return static_cast<int>(I);
    return -1;
}

void THadithCollManager::SetArabicModule(const THadithHelper* Collection) {
    FArabicIndex = IndexOfObject(Collection);
    if (FArabicIndex < 0)
        throw ETxError("Arabic Hadith Module not Registered");
}

void THadithCollManager::SetEnglishModule(const THadithHelper* Collection) {
    FEnglishIndex = IndexOfObject(Collection);
    if (FEnglishIndex < 0)
        throw ETxError("English Hadith Module not Registered");
}

void THadithCollManager::SetActiveView(const std::string& KeyOrName) {
    const std::string Name = ViewKeyName(KeyOrName);
    FActiveIndex = -1;
    for (size_t I = 0; I < FCollections.size(); ++I)
        if (FCollections[I]->CollectionName() == Name) {
            FActiveIndex = static_cast<int>(I);
            return;
        }
    throw ETxError("Hadith Collection Module not Registered");
}

THadithHelper* THadithCollManager::ActiveView() const {
    // The indexes start at 0, which names nothing while the registry is empty.
    return FActiveIndex >= 0 && FActiveIndex < CollectionCount() ? FCollections[FActiveIndex].get()
                                                                 : nullptr;
}

THadithHelper* THadithCollManager::EnglishModule() const {
    return FEnglishIndex >= 0 && FEnglishIndex < CollectionCount()
               ? FCollections[FEnglishIndex].get()
               : nullptr;
}

THadithHelper* THadithCollManager::ArabicModule() const {
    return FArabicIndex >= 0 && FArabicIndex < CollectionCount() ? FCollections[FArabicIndex].get()
                                                                 : nullptr;
}

int THadithCollManager::IndexOfCollection(const std::string& Name) const {
    for (size_t I = 0; I < FCollections.size(); ++I)
        if (SameTextTrim(FCollections[I]->CollectionName(), Name))
            return static_cast<int>(I);
    return -1;
}

THadithHelper* THadithCollManager::FindCollection(const std::string& KeyOrName) const {
    const int Index = IndexOfCollection(ViewKeyName(KeyOrName));
    return Index < 0 ? nullptr : FCollections[Index].get();
}

THadithHelper* THadithCollManager::CollectionAt(int Index) const {
    if (Index < 0 || Index >= CollectionCount())
        throw IndexError(Index);
    return FCollections[Index].get();
}

int THadithCollManager::GroupIndex(const std::string& Key) const {
    return IndexOfSameText(FGroups, Key);
}

bool THadithCollManager::GroupExists(const std::string& Key) const {
    return GroupIndex(Key) >= 0;
}

std::string THadithCollManager::GroupAt(int Index) const {
    if (Index < 0 || Index >= GroupCount())
        throw IndexError(Index);
    return FGroups[Index];
}

int THadithCollManager::GroupMemberCount(const std::string& Key) const {
    const int Group = GroupIndex(Key);
    return Group < 0 ? 0 : static_cast<int>(FGroupMembers[Group].size());
}

THadithHelper* THadithCollManager::GroupMember(const std::string& Key, int Index) const {
    const int Group = GroupIndex(Key);
    if (Group < 0 || Index < 0 || Index >= static_cast<int>(FGroupMembers[Group].size()))
        return nullptr;
    return FGroupMembers[Group][Index];
}

void THadithCollManager::AddToGroup(THadithHelper* Collection) {
    if (!Collection)
        return;
    int Group = GroupIndex(Collection->CollectionID());
    if (Group < 0) {
        FGroups.push_back(Collection->CollectionID());
        FGroupMembers.emplace_back();
        Group = GroupCount() - 1;
    }
    auto& Members = FGroupMembers[Group];
    for (const THadithHelper* Member : Members)
        if (Member == Collection)
            return;
    Members.push_back(Collection);
}

void THadithCollManager::ListKeys(TStringList& Strings, bool PlainOnly) const {
    Strings.clear();
    for (const auto& Members : FGroupMembers)
        for (const THadithHelper* Member : Members)
            if (!PlainOnly || Member->IsPlainText())
                Strings.push_back(ViewKey(*Member));
}

void THadithCollManager::ListViewKeys(TStringList& Strings) const {
    ListKeys(Strings, false);
}

void THadithCollManager::ListPlainViewKeys(TStringList& Strings) const {
    ListKeys(Strings, true);
}

void THadithCollManager::FillCollectionTree(TTreeAccess& TreeView, bool WithGroups) const {
    TreeView.BeginUpdate();
    TreeView.Clear();
    for (size_t Group = 0; Group < FGroups.size(); ++Group) {
        TTreeNodeRef Parent = nullptr;
        if (WithGroups) {
            Parent = TreeView.AddChild(nullptr, FGroups[Group]);
            TreeView.SetData(Parent, -1);
        }
        for (const THadithHelper* Member : FGroupMembers[Group]) {
            TTreeNodeRef Node = TreeView.AddChild(Parent, Member->CollectionName());
            TreeView.SetData(Node, 1);
        }
    }
    TreeView.ExpandAll();
    TreeView.EndUpdate();
}

bool THadithCollManager::ProbeCollection(const std::string& FileName) {
    try {
        const THadithHelper Collection(FileName);
        if (!Collection.IsValid())
            return false;
        ProbedCollectionName = Collection.CollectionName();
        return true;
    } catch (const std::exception&) {
        return false; // whatever stops the load, the file is not installable
    }
}

void THadithCollManager::InstallCollection(const std::string& FileName) {
    if (!FileExists(FileName)) {
        StartedWithFile = false;
        InstallMessage(mkError, "Collection file Missing!",
                       "Cannot find the file you selected. Please try again.");
        return;
    }
    if (!ProbeCollection(FileName)) {
        StartedWithFile = false;
        InstallMessage(mkError, "Translation is Invalid!",
                       "Collection file is Invalid. It may have been damaged, please obtain "
                       "another copy and try again.\r\n\r\nIf you downloaded the file, try "
                       "re-downloading and installing it again.\r\n\r\nIf this problems "
                       "persists, please contact Velorin.");
        return;
    }
    const std::string Name = FileNamePart(FileName);
    const std::string Target = AppPath + Name;
    // Decided by the file itself: here names differ in case and may differ
    // in spelling ("./", links) for one and the same file.
    if (SameFile(FileName, Target)) {
        InstallMessage(mkWarning, "Already Installed!", "This Collection is already installed!");
        return;
    }
    // A name without a dot is backed up as ".bak".
    const std::string Backup = AppPath + TextBefore(Name, ".") + ".bak";
    if (InstallFile(FileName, Target, Backup) && FileExists(Target)) {
        InstallMessage(mkInformation, "Installation Successful!",
                       StartedWithFile
                           ? "Your new Hadith Collection has been installed!\r\n\r\nNote: The "
                             "\"Collections\" manager and \"Language Assistant\" provide "
                             "powerful features that you can use with your new Hadith collection."
                           : "Your new Hadith Collection has been installed!\r\n\r\nTo view the "
                             "Collection you must *Restart* " +
                                 AppTitle + ".");
        return;
    }
    StartedWithFile = false;
    InstallMessage(mkInformation, "Installation Failed!",
                   "There was an error installing the collection. This error is most likely to "
                   "be caused by file attributes or permissions of files in your " +
                       AppTitle +
                       " program folder\r\n\r\nNote: You can also install Hadith collections by "
                       "copying the Hadith file (*.dbh) to your " +
                       AppTitle + " folder.");
}

void THadithCollManager::Clear() {
    FArabicIndex = FEnglishIndex = FActiveIndex = 0;
    FGroupMembers.clear();
    FGroups.clear();
    FCollections.clear();
    FBadCollections.clear();
    FMissingFontCollections.clear();
    MissingFontNote = nullptr;
}

void ResetHadithCollManager() {
    HadithCollManager.Clear();
    ProbedCollectionName.clear();
}
