// Deleting the damaged collection files the damaged collections window lists.
#pragma once

#include "data/TextUtils.h"

#include <string>

// Deletes Folder + Name, making a read-only file writable first. Only a bare
// file name (no folder part, not "." or "..") of a plain file or a link is
// taken: nothing outside Folder can go. Errors are ignored. True when the
// file was deleted.
bool DeleteCollectionFile(const std::string& Folder, const std::string& Name);

// DeleteCollectionFile for every entry of Entries, in order, that is also an
// entry of Allowed (the collection manager's list of damaged files), so only
// files the program itself found damaged are ever deleted.
void DeleteBadCollectionFiles(const TStringList& Entries, const TStringList& Allowed,
                              const std::string& Folder);
